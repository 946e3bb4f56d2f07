// The hand-over between a later start and the running copy, through a local socket (a named
// pipe on Windows) that only this user can reach.
#include "app/copy_handover.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <optional>

#include "core/text.h"
#include "platform/user_session.h"

namespace velquist {
namespace {

constexpr int kConnectMs = 2000;
// The running copy answers from its event loop, which may still be building its window.
constexpr int kAnswerMs = 30000;
// The lock is held only while a start decides; a holder that was killed is seen at once.
constexpr int kLockMs = 30000;
// A file name or an address; anything longer is not a start argument.
constexpr qint64 kMaxMessageBytes = 256 * 1024;
// Socket paths are short (108 bytes on Linux): a long program name goes in as its hash.
constexpr qsizetype kMaxNameBytes = 48;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
constexpr char kTaken = '1';
constexpr int kAttempts = 3;

}  // namespace

CopyHandover::CopyHandover(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

CopyHandover::Claim CopyHandover::claim(const QString& argument) {
    // A copy that is just ending may drop the connection unanswered; then it is gone, and the
    // next attempt serves.
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Looking for a running copy and starting to serve are one step under the lock, so two
        // starts at once never both serve. Without the lock (a temp folder it cannot be made
        // in) the same steps still run, only without that guarantee.
        QLockFile lock(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
        lock.tryLock(kLockMs);
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (!socket.waitForConnected(kConnectMs)) {
            return serve();
        }
        lock.unlock();
        if (const std::optional<Claim> handed = handOver(socket, argument)) {
            return *handed;
        }
    }
    return Claim::Unanswered;
}

void CopyHandover::stopServing() {
    delete m_server;  // closes its connections and removes the socket file
    m_server = nullptr;
}

CopyHandover::Claim CopyHandover::serve() {
    // Nobody answers: a socket file still there was left by a copy that was killed.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        qWarning("Later starts cannot hand over to this copy: %s",
                 qPrintable(m_server->errorString()));
        stopServing();
        return Claim::Unserved;
    }
    connect(m_server, &QLocalServer::newConnection, this, &CopyHandover::acceptWaiting);
    return Claim::Serving;
}

std::optional<CopyHandover::Claim> CopyHandover::handOver(QLocalSocket& socket,
                                                          const QString& argument) {
    letRunningCopyComeForward();
    QDataStream out(&socket);
    out.setVersion(kStreamVersion);
    out << argument;
    socket.waitForBytesWritten(kAnswerMs);
    // The answer says the argument was taken, so this copy does not end before it arrived.
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(kAnswerMs)) {
            if (socket.error() == QLocalSocket::SocketTimeoutError) {
                return Claim::Unanswered;
            }
            return std::nullopt;  // the running copy closed without taking it: it is ending
        }
    }
    char answer = 0;
    socket.getChar(&answer);
    return answer == kTaken ? Claim::HandedOver : Claim::Unanswered;
}

void CopyHandover::acceptWaiting() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readArgument(socket); });
        readArgument(socket);
    }
}

void CopyHandover::readArgument(QLocalSocket* socket) {
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
    emit argumentArrived(argument);
}

QString handoverName(const std::string& programFile) {
    QByteArray program = QByteArray::fromStdString(asciiLower(programFile));
    if (program.size() > kMaxNameBytes) {
        program = QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex().left(32);
    }
    return QString::fromUtf8(program) + QLatin1Char('-') + QString::fromStdString(userSessionKey());
}

}  // namespace velquist
