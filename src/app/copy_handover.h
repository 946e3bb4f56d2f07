// One running copy per user session and executable name: a later start hands its argument to
// the running copy and ends.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

namespace velquist {

// Two backends, chosen at build time: Qt's local socket where Qt has its Network module, and a
// named pipe of the platform layer where it has not (the Windows build's Qt, which is built
// without Network to keep its prebuilt archive; the pipe goes once that Qt has Network).
class CopyHandover : public QObject {
    Q_OBJECT
public:
    // `name` is what copies meet under (`handoverName`).
    explicit CopyHandover(QString name, QObject* parent = nullptr);
    ~CopyHandover() override;

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
    // A serving copy begins taking later starts' arguments; until then they wait. Called once
    // the window is up, since the local socket's libraries cost a fifth of the start-up.
    void serve();
    // Later starts no longer find this copy (its main window is gone): they run on their own.
    void stopServing();

signals:
    // In the serving copy: what a later start was given (empty when nothing).
    void argumentArrived(const QString& argument);

private:
    class Channel;  // the backend's serving end

    QString m_name;
    std::unique_ptr<Channel> m_channel;
};

// The name copies of the program file `programFile` meet under, for this user session only.
// ASCII letters in either case name the same program.
QString handoverName(const std::string& programFile);

// Both backends. The running copy answers from its event loop, which may still be building its
// window.
inline constexpr int kHandoverAnswerMs = 30000;
// A copy that is just ending may drop a later start unanswered; then it is gone, and the next
// attempt serves.
inline constexpr int kHandoverAttempts = 3;

}  // namespace velquist
