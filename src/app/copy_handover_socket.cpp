// The hand-over through Qt's local socket, reached through the local-socket module. Which copy
// serves is decided by the copy lock, which needs no socket: the serving copy loads the module
// once its window is up, and later starts wait until it listens.
#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <QThread>
#include <chrono>

#include "app/copy_handover.h"
#include "app/local_socket_link.h"
#include "platform/copy_lock.h"
#include "platform/user_session.h"

namespace velquist {
namespace {

constexpr int kConnectMs = 2000;
// How often a later start looks again for the socket of a copy still building its window.
constexpr int kRetryMs = 20;

// The module beside the program, or where an installed program keeps it; loaded once and kept.
LocalSocketLink* localSocketLink() {
    static LocalSocketLink* const link = []() -> LocalSocketLink* {
        const QString programFolder = QCoreApplication::applicationDirPath();
        QString reason;
        for (const QString& folder :
             {programFolder, programFolder + QStringLiteral("/" VELQUIST_MODULE_FOLDER)}) {
            QPluginLoader loader(folder + QStringLiteral("/" VELQUIST_LOCAL_SOCKET_MODULE));
            if (auto* found = qobject_cast<LocalSocketLink*>(loader.instance())) {
                return found;
            }
            reason = loader.errorString();
        }
        qWarning("Copies of this program cannot hand over to each other: %s", qPrintable(reason));
        return nullptr;
    }();
    return link;
}

}  // namespace

class CopyHandover::Channel {
public:
    CopyLock lock;                      // held while this copy serves
    std::unique_ptr<QObject> listener;  // from `serve` on
};

CopyHandover::CopyHandover(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

CopyHandover::~CopyHandover() = default;

CopyHandover::Claim CopyHandover::claim(const QString& argument) {
    const std::string lockPath =
        QDir::temp().filePath(m_name + QStringLiteral(".lock")).toStdString();
    auto channel = std::make_unique<Channel>();
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kHandoverAnswerMs);
    int dropped = 0;
    for (;;) {
        const CopyLock::Take take = channel->lock.take(lockPath);
        if (take == CopyLock::Take::Taken) {
            m_channel = std::move(channel);
            return Claim::Serving;
        }
        LocalSocketLink* link = localSocketLink();
        if (link == nullptr) {
            return Claim::Unserved;
        }
        letRunningCopyComeForward();
        switch (link->handOver(m_name, argument, kConnectMs, kHandoverAnswerMs)) {
            case LocalSocketLink::Delivery::Taken:
                return Claim::HandedOver;
            case LocalSocketLink::Delivery::Unanswered:
                return Claim::Unanswered;
            case LocalSocketLink::Delivery::Dropped:
                if (++dropped == kHandoverAttempts) {
                    return Claim::Unanswered;
                }
                break;
            case LocalSocketLink::Delivery::NotConnected:
                // Without the lock (a temp folder it cannot be made in) nobody listening means
                // nobody runs, only without the guarantee that two starts at once see each other.
                if (take == CopyLock::Take::Unavailable) {
                    m_channel = std::move(channel);
                    return Claim::Serving;
                }
                // The lock's holder is still building its window, or just ended.
                if (std::chrono::steady_clock::now() >= deadline) {
                    return Claim::Unanswered;
                }
                QThread::msleep(kRetryMs);
                break;
        }
    }
}

void CopyHandover::serve() {
    if (!m_channel || m_channel->listener) {
        return;
    }
    QString error;
    if (LocalSocketLink* link = localSocketLink()) {
        m_channel->listener = link->listen(
            m_name, [this](const QString& argument) { emit argumentArrived(argument); }, error);
        if (!m_channel->listener) {
            qWarning("Later starts cannot hand over to this copy: %s", qPrintable(error));
        }
    }
    if (!m_channel->listener) {
        m_channel.reset();  // lets go of the lock: later starts run on their own
    }
}

void CopyHandover::stopServing() {
    m_channel.reset();  // closes its connections, removes the socket file, lets go of the lock
}

}  // namespace velquist
