// Preloaded (LD_PRELOAD) into a program whose start-up is timed as a whole
// process: ends its event loop right after its first window has been
// painted, so that the process runs exactly to the first painted window and
// then closes down as usual.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {

class QuitWhenShown final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The first paint event goes to whichever widget of the window is
        // drawn first (a window covered by opaque children gets none itself);
        // the whole window is painted and flushed before the timer fires.
        if (!m_quitting && event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_quitting = true;
            // exit() rather than quit(): quitting closes the windows, and the
            // main window asks before it closes.
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_quitting = false;
};

void installQuitWhenShown()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QuitWhenShown(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installQuitWhenShown)
