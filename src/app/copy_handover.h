// One running copy per user session and executable name: a later start hands its argument to
// the running copy and ends.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace velquist {

class CopyHandover : public QObject {
    Q_OBJECT
public:
    // `name` is what copies meet under (`handoverName`).
    explicit CopyHandover(QString name, QObject* parent = nullptr);

    enum class Claim {
        Serving,     // this copy runs and takes later starts' arguments
        HandedOver,  // the running copy has `argument`: this one ends
        Unanswered,  // a copy runs but did not take the argument in time: this one ends
        Unserved,    // the name cannot be held here: this copy runs without hand-over
    };
    // Becomes the copy that serves the name, or gives `argument` (empty when there is none) to
    // the one that does. Of two starts at once exactly one serves; a name left behind by a copy
    // that was killed is taken over.
    Claim claim(const QString& argument);
    // Later starts no longer find this copy (its main window is gone): they run on their own.
    void stopServing();

signals:
    // In the serving copy: what a later start was given (empty when nothing).
    void argumentArrived(const QString& argument);

private:
    Claim serve();
    // Empty when the running copy closed the connection without taking the argument.
    std::optional<Claim> handOver(QLocalSocket& socket, const QString& argument);
    void acceptWaiting();
    void readArgument(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server = nullptr;
};

// The name copies of the program file `programFile` meet under, for this user session only.
// ASCII letters in either case name the same program.
QString handoverName(const std::string& programFile);

}  // namespace velquist
