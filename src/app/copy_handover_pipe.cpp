// The hand-over through the platform layer's named pipe, for a Qt without its Network module
// (the Windows build's); its I/O is overlapped and watched from the event loop.
#include <QWinEventNotifier>

#include "app/copy_handover.h"
#include "platform/handover_pipe.h"
#include "platform/user_session.h"

namespace velquist {

class CopyHandover::Channel {
public:
    Channel(CopyHandover& owner, std::unique_ptr<HandoverPipeServer> server)
        : m_server(std::move(server)), m_notifier(m_server->event()) {
        QObject::connect(&m_notifier, &QWinEventNotifier::activated, &owner,
                         [this, &owner] { takeArrived(owner); });
    }

private:
    void takeArrived(CopyHandover& owner) {
        const std::vector<std::string> arrived = m_server->poll();
        if (!m_server->listening()) {
            m_notifier.setEnabled(false);
            qWarning("Later starts can no longer hand over to this copy");
        }
        for (const std::string& argument : arrived) {
            emit owner.argumentArrived(QString::fromStdString(argument));
        }
    }

    std::unique_ptr<HandoverPipeServer> m_server;
    QWinEventNotifier m_notifier;  // declared last: it stops watching before the pipe goes
};

CopyHandover::CopyHandover(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

CopyHandover::~CopyHandover() = default;

CopyHandover::Claim CopyHandover::claim(const QString& argument) {
    const std::string name = m_name.toStdString();
    for (int attempt = 0; attempt < kHandoverAttempts; ++attempt) {
        Result<std::unique_ptr<HandoverPipeServer>> server = HandoverPipeServer::claim(name);
        if (server) {
            m_channel = std::make_unique<Channel>(*this, std::move(server.value()));
            return Claim::Serving;
        }
        if (server.code() != StatusCode::Access) {
            qWarning("Later starts cannot hand over to this copy: %s", server.error().c_str());
            return Claim::Unserved;
        }
        letRunningCopyComeForward();
        const Status handed = handOverThroughPipe(name, argument.toStdString(), kHandoverAnswerMs);
        if (handed.ok()) {
            return Claim::HandedOver;
        }
        if (handed.code() != StatusCode::NotFound) {
            return Claim::Unanswered;
        }
    }
    return Claim::Unanswered;
}

void CopyHandover::serve() {
    // The pipe serves from the claim on: holding its first instance is what makes this copy the
    // one that serves.
}

void CopyHandover::stopServing() {
    m_channel.reset();  // closes the pipe: the next start serves
}

}  // namespace velquist
