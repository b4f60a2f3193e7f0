#include "app/CommandLine.h"
#include "app/DesignFile.h"
#include "component/Error.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>
#include <cstdio>

namespace {

void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

// Until the designer window lands, show the dialog tile of the given design.
int runWindow(const QStringList &arguments)
{
    tw::TDesignRoot root;
    std::unique_ptr<tw::TDesignRoot> loaded;
    tw::TDCLPanel *dialog = nullptr;
    if (!arguments.isEmpty()) {
        try {
            loaded = tw::loadDesignFile(arguments.first());
            dialog = loaded->dialog();
        } catch (const tw::TError &error) {
            QMessageBox::critical(nullptr, QStringLiteral("Tilewright"), error.message());
        }
    }
    if (!dialog) {
        dialog = new tw::TDCLPanel(&root);
        dialog->setName(QStringLiteral("DCLPanelBasic"));
        dialog->setBounds(0, 0, 500, 300);
    }
    dialog->setWindowTitle(QStringLiteral("Tilewright"));
    dialog->show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    if (tw::isCommandLineMode(arguments)) {
        // No window opens in these modes, with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietMessages);
        QApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        const int status = tw::runCommandLine(arguments, out, err);
        out.flush();
        err.flush();
        return status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilewright"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    return runWindow(arguments);
}
