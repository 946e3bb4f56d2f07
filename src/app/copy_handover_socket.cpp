// The hand-over through Qt's local socket (a Unix socket that only this user can reach).
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <optional>

#include "app/copy_handover.h"
#include "platform/start_lock.h"
#include "platform/user_session.h"

namespace velquist {
namespace {

constexpr int kConnectMs = 2000;
// A file name or an address; anything longer is not a start argument.
constexpr qint64 kMaxMessageBytes = 256 * 1024;
// The lock is held only while a start decides; a holder that was killed is seen at once.
constexpr int kLockMs = 30000;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
constexpr char kTaken = '1';

// Empty when the running copy closed the connection without taking the argument.
std::optional<CopyHandover::Claim> handOver(QLocalSocket& socket, const QString& argument) {
    letRunningCopyComeForward();
    QDataStream out(&socket);
    out.setVersion(kStreamVersion);
    out << argument;
    socket.waitForBytesWritten(kHandoverAnswerMs);
    // The answer says the argument was taken, so this copy does not end before it arrived.
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(kHandoverAnswerMs)) {
            if (socket.error() == QLocalSocket::SocketTimeoutError) {
                return CopyHandover::Claim::Unanswered;
            }
            return std::nullopt;  // the running copy closed without taking it: it is ending
        }
    }
    char answer = 0;
    socket.getChar(&answer);
    return answer == kTaken ? CopyHandover::Claim::HandedOver : CopyHandover::Claim::Unanswered;
}

}  // namespace

class CopyHandover::Channel {
public:
    explicit Channel(CopyHandover& owner) : m_owner(owner) {}

    bool listen(const QString& name) {
        // Nobody answers: a socket file still there was left by a copy that was killed.
        QLocalServer::removeServer(name);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(name)) {
            qWarning("Later starts cannot hand over to this copy: %s",
                     qPrintable(m_server.errorString()));
            return false;
        }
        QObject::connect(&m_server, &QLocalServer::newConnection, &m_owner,
                         [this] { acceptWaiting(); });
        return true;
    }

private:
    void acceptWaiting() {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, &m_server,
                             [this, socket] { readArgument(socket); });
            readArgument(socket);
        }
    }

    void readArgument(QLocalSocket* socket) {
        QDataStream in(socket);
        in.setVersion(kStreamVersion);
        in.startTransaction();
        QString argument;
        in >> argument;
        if (!in.commitTransaction()) {
            // Not all of it yet; a message that cannot be one is dropped.
            if (in.status() == QDataStream::ReadCorruptData ||
                socket->bytesAvailable() > kMaxMessageBytes) {
                socket->abort();
            }
            return;
        }
        socket->putChar(kTaken);
        socket->disconnectFromServer();
        emit m_owner.argumentArrived(argument);
    }

    CopyHandover& m_owner;
    QLocalServer m_server;  // removes its socket file when it goes
};

CopyHandover::CopyHandover(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

CopyHandover::~CopyHandover() = default;

CopyHandover::Claim CopyHandover::claim(const QString& argument) {
    for (int attempt = 0; attempt < kHandoverAttempts; ++attempt) {
        // Looking for a running copy and starting to serve are one step under the lock, so two
        // starts at once never both serve. Without the lock (a temp folder it cannot be made
        // in) the same steps still run, only without that guarantee.
        StartLock lock;
        lock.acquire(QDir::temp().filePath(m_name + QStringLiteral(".lock")).toStdString(),
                     kLockMs);
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (!socket.waitForConnected(kConnectMs)) {
            m_channel = std::make_unique<Channel>(*this);
            if (!m_channel->listen(m_name)) {
                m_channel.reset();
                return Claim::Unserved;
            }
            return Claim::Serving;
        }
        lock.release();
        if (const std::optional<Claim> handed = handOver(socket, argument)) {
            return *handed;
        }
    }
    return Claim::Unanswered;
}

void CopyHandover::stopServing() {
    m_channel.reset();  // closes its connections and removes the socket file
}

}  // namespace velquist
