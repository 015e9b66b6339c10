#pragma once

#include <QApplication>

namespace SharedTools {

class QtLocalPeer;

// A QApplication that knows whether another instance with the same id runs in
// this user session, and passes messages from later starts to the first.
class QtSingleApplication : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtSingleApplication)

public:
    QtSingleApplication(const QString &id, int &argc, char **argv);
    ~QtSingleApplication() override;

    // true when another instance with this id runs. The first call that finds
    // none makes this process the holder of the instance lock. `pid` is
    // accepted for compatibility and ignored: the lock is per session.
    bool isRunning(qint64 pid = -1);
    QString id() const;

    // Hands `message` to the instance that runs; false when this process is
    // that instance or it does not answer within `timeout` ms.
    bool sendMessage(const QString &message, int timeout = 5000);

signals:
    // A message from a later start, delivered through the event loop.
    void messageReceived(const QString &message);

private:
    QtLocalPeer *m_peer;
};

} // namespace SharedTools
