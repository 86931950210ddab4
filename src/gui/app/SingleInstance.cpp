#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>

namespace tarn::gui {
namespace {

QString LockPath(const QString& key) {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::tempPath();
    return QDir(dir).filePath(key + QStringLiteral(".lock"));
}

constexpr int kConnectTimeoutMs = 1000;

}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), key_(key), lock_(LockPath(key)) {}

bool SingleInstance::Claim() {
    if (!lock_.tryLock(0)) {
        QLocalSocket socket;
        socket.connectToServer(key_);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(kConnectTimeoutMs);
            socket.disconnectFromServer();
        }
        return false;
    }
    QLocalServer::removeServer(key_);  // a socket left behind by a copy that crashed
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            emit RaiseRequested();
        }
    });
    server_->listen(key_);
    return true;
}

}  // namespace tarn::gui
