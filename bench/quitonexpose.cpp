// A Qt generic plugin for the start-up benchmark: loaded into an unchanged program through
// QT_QPA_GENERIC_PLUGINS, it prints the monotonic time of the first expose of a window and
// then ends the program's event loops.

#include <ctime>
#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <QWindow>

namespace {

long long monotonicNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class QuitOnExpose : public QObject
{
public:
    QuitOnExpose() { QCoreApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                if (!m_reported) {
                    m_reported = true;
                    std::printf("lumo-bench-exposed %lld\n", monotonicNs());
                    std::fflush(stdout);
                }
                // After the window has painted; a dialog's own loop may need this again.
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            }
        }
        return false;
    }

private:
    bool m_reported = false;
};

} // namespace

class QuitOnExposePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quitonexpose.json")

public:
    QObject *create(const QString &, const QString &) override { return new QuitOnExpose; }
};

#include "quitonexpose.moc"
