#include "SingleInstance.h"

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <cstdlib>
#include <unistd.h>

namespace {
// One line: the absolute path in UTF-8. The answer "ok" says it was taken.
constexpr int kMaxMessage = 64 * 1024;
const QByteArray kTaken = QByteArrayLiteral("ok\n");
}  // namespace

QString SingleInstance::serverName() {
  if (const char* name = std::getenv("HY_INSTANCE_NAME"); name != nullptr && name[0] != '\0')
    return QString::fromLocal8Bit(name);
  return QStringLiteral("hyetoscope-%1").arg(static_cast<qulonglong>(::getuid()));
}

bool SingleInstance::handOver(const QString& name, const QString& path, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(path.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  QByteArray answer;
  while (!answer.endsWith('\n')) {
    if (!socket.waitForReadyRead(timeoutMs)) return false;
    answer += socket.readAll();
  }
  return answer == kTaken;
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::listen(const QString& name, std::function<void(const QString&)> handler) {
  m_handler = std::move(handler);
  m_server = new QLocalServer(this);
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!m_server->listen(name)) {
    // Only a socket nobody answers on may be taken over.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) return false;
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) return false;
  }
  connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
  return true;
}

void SingleInstance::takeConnection() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxMessage) socket->abort();
        return;
      }
      QByteArray line = socket->readLine(kMaxMessage);
      if (line.endsWith('\n')) line.chop(1);
      const QString path = QString::fromUtf8(line);
      socket->write(kTaken);
      socket->flush();
      socket->disconnectFromServer();
      // Opened once the sender has its answer: the open may ask the user.
      QPointer<SingleInstance> self(this);
      QMetaObject::invokeMethod(
          this, [self, path] { if (self && self->m_handler) self->m_handler(path); }, Qt::QueuedConnection);
    });
  }
}
