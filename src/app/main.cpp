#include "app/AppStyle.h"
#include "app/CommandLine.h"
#include "app/HelpWindows.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace
{

// Command-line modes keep Qt's warnings and debug messages off standard error,
// but a fatal error of Qt (no platform plugin, say) is the run's one error line.
void commandLineMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message.section(u'\n', 0, 0)));
    std::fflush(stderr);
    // Qt would abort after a fatal message; the run fails as any other does.
    std::_Exit(1);
}

// The arguments left once Qt has taken its own options (-style, -platform,
// -stylesheet and the like) out of the command line.
QStringList programArguments()
{
    return QCoreApplication::arguments().mid(1);
}

} // namespace

int main(int argc, char **argv)
{
    // Decided before Qt starts, which chooses its platform as it starts.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    if (tw::isCommandLineMode(arguments)) {
        // No window opens in these modes, with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(commandLineMessages);
        QApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        const int status = tw::runCommandLine(programArguments(), out, err);
        out.flush();
        err.flush();
        return status;
    }

    QApplication app(argc, argv);
    tw::setUpApplication();
    tw::SingleInstance instance;
    if (!instance.claim())
        return 0;
    tw::TfrmTilewrightMain window;
    QObject::connect(&instance, &tw::SingleInstance::activationRequested, &window,
                     &tw::TfrmTilewrightMain::activateFromOtherCopy);
    window.FormCreate(programArguments());
    return QApplication::exec();
}
