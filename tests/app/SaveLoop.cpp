// Saves a project, its AutoLISP file and its DCL file over and over, each round
// a new version, until it is killed. The crash-safety test kills it at random.
#include "SaveLoopDesign.h"
#include "codegen/DialogCode.h"
#include "codegen/GeneratedFiles.h"
#include "format/ProjectFile.h"
#include "format/SaveFile.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int version = 1;; ++version) {
        tw::TDesignRoot design;
        design.load(tw::readTextForm(tw::test::saveLoopDesign(version)));
        QStringList dcl;
        QStringList lisp;
        tw::GenerateDialogCode(design.dialogTile(), dcl, lisp);
        tw::SaveProjectFile(dir.filePath(QStringLiteral("loop.dcp")), design.save());
        tw::saveFileAtomically(dir.filePath(QStringLiteral("loop.lsp")),
                               tw::encodeGeneratedText(lisp));
        tw::saveFileAtomically(dir.filePath(QStringLiteral("loop.DCL")),
                               tw::encodeGeneratedText(dcl));
    }
}
