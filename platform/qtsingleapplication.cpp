#include "platform/qtsingleapplication.h"

#include "platform/qtlocalpeer.h"

namespace SharedTools {

QtSingleApplication::QtSingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_peer(new QtLocalPeer(id, this))
{
    connect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::messageReceived);
}

QtSingleApplication::~QtSingleApplication() = default;

bool QtSingleApplication::isRunning(qint64 pid)
{
    Q_UNUSED(pid)
    return m_peer->isClient();
}

bool QtSingleApplication::sendMessage(const QString &message, int timeout)
{
    return m_peer->sendMessage(message, timeout);
}

QString QtSingleApplication::id() const
{
    return m_peer->applicationId();
}

} // namespace SharedTools
