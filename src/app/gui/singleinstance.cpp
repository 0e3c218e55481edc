#include "app/gui/singleinstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include "clock/gui/clockwindow.h"

namespace zv {

namespace {

constexpr char kComeForward[] = "come-forward\n";
constexpr int kConnectMs = 2000;

// Sends the request to the copy listening at path; false when none listens.
bool AskRunningCopy(const QString& path) {
  QLocalSocket socket;
  socket.connectToServer(path);
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(kComeForward);
  socket.waitForBytesWritten(kConnectMs);
  socket.disconnectFromServer();
  return true;
}

}  // namespace

QString SingleInstance::SocketPath(const QString& socketFolder, const QString& dataFolder) {
  const QFileInfo folder(dataFolder);
  const QString canonical =
      folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
  const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex();
  return QDir(socketFolder)
      .filePath(QStringLiteral("zorvane-%1-%2").arg(::geteuid()).arg(QString::fromLatin1(hash.left(16))));
}

SingleInstance::SingleInstance(const QString& socketFolder, const QString& dataFolder) {
  const QString path = SocketPath(socketFolder, dataFolder);
  // Two copies starting at once take turns: one listens, the other finds it.
  QLockFile turn(path + QStringLiteral(".lock"));
  turn.tryLock(kConnectMs);
  if (AskRunningCopy(path)) {
    first_ = false;
    return;
  }
  // No copy answers: a socket file there was left by one that ended.
  QLocalServer::removeServer(path);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(path)) {
    server_.reset();
    return;
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
      QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
      QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
        if (!client->canReadLine()) return;
        if (client->readLine() == kComeForward && comeForward_) comeForward_();
      });
      if (client->canReadLine()) emit client->readyRead();
    }
  });
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::OnComeForward(std::function<void()> comeForward) {
  comeForward_ = std::move(comeForward);
}

void BringForward(ClockWindow* clock) {
  if (!clock) return;
  clock->setWindowState((clock->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  clock->show();
  clock->raise();
  clock->activateWindow();
}

}  // namespace zv
