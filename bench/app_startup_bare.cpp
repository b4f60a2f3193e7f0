// The bare Qt program the start-up benchmark compares against: an empty
// multiple-document window, shown maximised. Prints the time of its first
// paint twice (first paint and ready are the same moment here).

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace
{

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window) {
            m_done = true;
            timespec t{};
            clock_gettime(CLOCK_MONOTONIC, &t);
            const long long at = (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
            std::printf("%lld %lld\n", at, at);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    bool m_done = false;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    FirstPaint paint(&window);
    window.showMaximized();
    return QApplication::exec();
}
