// A second copy of the program hands the file it was started with to the copy
// that already runs, so that a double-click on a design file opens it in the
// running program. The running copy listens on a per-user local socket; each
// connection carries one request "open FILE-URL\n" and is answered "ok\n"
// (a URL, so that no file name can break the line).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace corvane {

class FileHandOffServer {
 public:
  // Called with the absolute path of every file a second copy hands over.
  using FileReceived = std::function<void(const QString& absolutePath)>;

  explicit FileHandOffServer(FileReceived onFile);
  ~FileHandOffServer();
  FileHandOffServer(const FileHandOffServer&) = delete;
  FileHandOffServer& operator=(const FileHandOffServer&) = delete;

  // Listens on the socket `name` (a path), readable by this user only. The
  // caller holds the single-instance lock, so a socket already there was
  // left by a copy that crashed and is removed first. False when the socket
  // cannot be made; the program then runs without hand-over.
  bool listen(const QString& name);
  bool isListening() const;

 private:
  void accept();
  void readRequest(QLocalSocket& socket);

  FileReceived onFile_;
  std::unique_ptr<QLocalServer> server_;
};

// The second copy's side: sends the file and waits for the running copy's
// answer, at most `timeoutMs` in all; connecting is retried for up to a
// second (the running copy takes the lock a moment before it listens). True
// once the running copy has the file.
bool handFileToRunningCopy(const QString& serverName, const QString& absolutePath,
                           int timeoutMs = 5000);

// The request line for a file, and the file of a request line; nullopt for a
// line that is not a request for an absolute local path.
QByteArray handOffRequest(const QString& absolutePath);
std::optional<QString> parseHandOffRequest(const QByteArray& line);

}  // namespace corvane
