// What the program asks of its local-socket module. The module holds all use of Qt's Network
// module, which with the libraries it brings cost a fifth of the start-up: a copy that serves
// loads it once its window is up, and only a later start loads it at once.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace velquist {

class LocalSocketLink {
public:
    virtual ~LocalSocketLink() = default;

    enum class Delivery {
        Taken,         // the running copy has the argument
        Dropped,       // it closed without taking it: it is ending
        Unanswered,    // it did not answer within `answerMs`
        NotConnected,  // nobody listens under the name (yet, or any more)
    };
    // Gives `argument` to the copy listening under `name`.
    virtual Delivery handOver(const QString& name, const QString& argument, int connectMs,
                              int answerMs) = 0;

    // Listens under `name`, taking the place of a socket a killed copy left; each argument a
    // later start gives goes to `arrived`. Listening ends with the returned object; null, with
    // `error` set, when it cannot begin.
    virtual std::unique_ptr<QObject> listen(const QString& name,
                                            std::function<void(const QString&)> arrived,
                                            QString& error) = 0;
};

}  // namespace velquist

#define VELQUIST_LOCAL_SOCKET_LINK_IID "com.velquist.LocalSocketLink/1"
Q_DECLARE_INTERFACE(velquist::LocalSocketLink, VELQUIST_LOCAL_SOCKET_LINK_IID)
