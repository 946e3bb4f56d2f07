// The local-socket module: the hand-over between copies over Qt's local socket (a Unix socket
// that only this user can reach). The program loads it as a Qt plugin when it is needed.
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtPlugin>

#include "app/local_socket_link.h"

namespace velquist {
namespace {

// A file name or an address; anything longer is not a start argument.
constexpr qint64 kMaxMessageBytes = 256 * 1024;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
constexpr char kTaken = '1';

class Listener : public QObject {
public:
    explicit Listener(std::function<void(const QString&)> arrived) : m_arrived(std::move(arrived)) {
        connect(&m_server, &QLocalServer::newConnection, this, [this] { acceptWaiting(); });
    }

    bool listen(const QString& name, QString& error) {
        // Only the copy holding the copy lock listens, so a socket file still there was left
        // by a copy that was killed.
        QLocalServer::removeServer(name);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(name)) {
            error = m_server.errorString();
            return false;
        }
        return true;
    }

private:
    void acceptWaiting() {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
            read(socket);
        }
    }

    void read(QLocalSocket* socket) {
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
        m_arrived(argument);
    }

    std::function<void(const QString&)> m_arrived;
    QLocalServer m_server;  // removes its socket file when it goes
};

}  // namespace

class LocalSocketModule : public QObject, public LocalSocketLink {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELQUIST_LOCAL_SOCKET_LINK_IID)
    Q_INTERFACES(velquist::LocalSocketLink)

public:
    Delivery handOver(const QString& name, const QString& argument, int connectMs,
                      int answerMs) override {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(connectMs)) {
            return Delivery::NotConnected;
        }
        QDataStream out(&socket);
        out.setVersion(kStreamVersion);
        out << argument;
        socket.waitForBytesWritten(answerMs);
        // The answer says the argument was taken, so this copy does not end before it arrived.
        while (socket.bytesAvailable() == 0) {
            if (!socket.waitForReadyRead(answerMs)) {
                return socket.error() == QLocalSocket::SocketTimeoutError ? Delivery::Unanswered
                                                                          : Delivery::Dropped;
            }
        }
        char answer = 0;
        socket.getChar(&answer);
        return answer == kTaken ? Delivery::Taken : Delivery::Unanswered;
    }

    std::unique_ptr<QObject> listen(const QString& name,
                                    std::function<void(const QString&)> arrived,
                                    QString& error) override {
        auto listener = std::make_unique<Listener>(std::move(arrived));
        if (!listener->listen(name, error)) {
            return nullptr;
        }
        return listener;
    }
};

}  // namespace velquist

#include "local_socket_module.moc"
