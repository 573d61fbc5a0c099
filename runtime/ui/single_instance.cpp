#include "single_instance.h"

#include <QLocalSocket>

namespace rt {

SingleInstance::SingleInstance(const QString& programName, QObject* parent)
    : QObject(parent), name_(programName + u'-' + qEnvironmentVariable("USER", QStringLiteral("user"))) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate")) emit activateRequested();
                socket->deleteLater();
            });
        }
    });
}

bool SingleInstance::anotherIsRunning() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(500)) {
        socket.write("activate");
        socket.waitForBytesWritten(500);
        socket.disconnectFromServer();
        return true;
    }
    // No one answers: a socket left by a copy that crashed is removed before listening.
    QLocalServer::removeServer(name_);
    server_.listen(name_);
    return false;
}

} // namespace rt
