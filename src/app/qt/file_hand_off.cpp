#include "app/qt/file_hand_off.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace corvane {

namespace {

constexpr char kOpenVerb[] = "open ";
constexpr char kAnswerOk[] = "ok\n";
constexpr char kAnswerRefused[] = "refused\n";
// a percent-encoded path of the longest Linux path is below 13 KB
constexpr qint64 kLongestRequest = 64 * 1024;
// a client that connects and says nothing is dropped after this
constexpr int kRequestTimeoutMs = 5000;
constexpr int kConnectRetryMs = 100;
// the running copy listens a moment after it takes the lock: a socket still
// missing after this will not come
constexpr int kConnectWindowMs = 1000;

int remainingMs(const QDeadlineTimer& deadline) {
  return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

}  // namespace

QByteArray handOffRequest(const QString& absolutePath) {
  return kOpenVerb + QUrl::fromLocalFile(absolutePath).toEncoded() + '\n';
}

std::optional<QString> parseHandOffRequest(const QByteArray& line) {
  QByteArray request = line;
  if (request.endsWith('\n')) request.chop(1);
  if (!request.startsWith(kOpenVerb)) return std::nullopt;
  QUrl url = QUrl::fromEncoded(request.mid(int(sizeof kOpenVerb) - 1), QUrl::StrictMode);
  if (!url.isValid() || !url.isLocalFile()) return std::nullopt;
  QString path = url.toLocalFile();
  if (path.isEmpty() || !QDir::isAbsolutePath(path)) return std::nullopt;
  return path;
}

FileHandOffServer::FileHandOffServer(FileReceived onFile)
    : onFile_(std::move(onFile)), server_(std::make_unique<QLocalServer>()) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                   [this] { accept(); });
}

FileHandOffServer::~FileHandOffServer() = default;

bool FileHandOffServer::listen(const QString& name) {
  QLocalServer::removeServer(name);
  return server_->listen(name);
}

bool FileHandOffServer::isListening() const {
  return server_->isListening();
}

void FileHandOffServer::accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket,
                     [this, socket] { readRequest(*socket); });
    QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0) readRequest(*socket);
  }
}

void FileHandOffServer::readRequest(QLocalSocket& socket) {
  if (!socket.canReadLine()) {
    if (socket.bytesAvailable() > kLongestRequest) socket.abort();
    return;
  }
  std::optional<QString> path = parseHandOffRequest(socket.readLine(kLongestRequest));
  socket.write(path ? kAnswerOk : kAnswerRefused);
  socket.disconnectFromServer();  // after the answer is written
  if (path) onFile_(*path);
}

bool handFileToRunningCopy(const QString& serverName, const QString& absolutePath, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  QDeadlineTimer connectDeadline(std::min(timeoutMs, kConnectWindowMs));
  QLocalSocket socket;
  for (;;) {
    socket.connectToServer(serverName);
    if (socket.waitForConnected(remainingMs(connectDeadline))) break;
    socket.abort();
    if (connectDeadline.hasExpired()) return false;
    QThread::msleep(std::min(kConnectRetryMs, remainingMs(connectDeadline)));
  }
  socket.write(handOffRequest(absolutePath));
  if (!socket.waitForBytesWritten(remainingMs(deadline))) return false;
  while (!socket.canReadLine()) {
    if (deadline.hasExpired() || !socket.waitForReadyRead(remainingMs(deadline))) return false;
  }
  return socket.readLine() == kAnswerOk;
}

}  // namespace corvane
