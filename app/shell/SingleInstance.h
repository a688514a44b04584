#pragma once
// SingleInstance: one running program per user. A start with a file hands
// the file to the program already running (a local socket named per user)
// and ends; the running program listens and opens what it is handed.
//
// It owns its local server; it does not open files itself (its handler
// does) and does nothing for a start without a file.

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The socket name for this user; $HY_INSTANCE_NAME replaces it (tests).
  static QString serverName();

  // Sends path to a running program and waits until it has taken it.
  // False when no program is listening or it did not answer in time.
  static bool handOver(const QString& name, const QString& path, int timeoutMs = 5000);

  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // Starts listening; each path handed over goes to handler. A stale socket
  // of a program that ended without closing it is replaced; a name another
  // running program holds is left to it (returns false).
  bool listen(const QString& name, std::function<void(const QString&)> handler);

 private:
  void takeConnection();

  QLocalServer* m_server = nullptr;
  std::function<void(const QString&)> m_handler;
};
