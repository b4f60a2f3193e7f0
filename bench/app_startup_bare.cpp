// The bare Qt program the start-up benchmark compares against: an empty
// multiple-document window, shown maximised. Prints the time of its first
// paint twice (first paint and ready are the same moment here).

#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    const TFirstPaint paint(&window, [](long long at) {
        std::printf("%lld %lld\n", at, at);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    });
    window.showMaximized();
    return QApplication::exec();
}
