#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tw
{

// What the AutoLISP file that GenerateDialogCode writes says about its dialog's tiles, read back
// from the sections the generator writes (init_handler, set_data, functions, the load block).
// Entries keep the generator's order, which is the order of the tiles in the DCL file; keys and
// names are unescaped (\" and \\). `line` counts from 1.
struct GeneratedLisp {
    struct Action {
        QString key;      // from the action_tile binding
        QString function; // the DCL_Action text, as the defun line carries it
        QStringList body; // the LispCode lines
        int line = 0;
    };
    struct Link {
        QString key;
        QString variable;
        bool isString = false; // copied as it stands, not through rtos and atof
        int line = 0;
    };
    struct Slide {
        QString key;
        QString slide; // as written: a slide file, or library(slide name)
        int line = 0;
    };
    QString dclFile;    // from load_dialog
    QString dialogName; // from new_dialog
    QList<Action> actions;
    QList<Link> links;
    QList<Slide> slides;
};

// Reads `text` as a file the generator wrote; false when it is not one (no c:LoadDialog with
// the generator's sections and load block). Never throws; reads at most `maxLines` lines.
bool readGeneratedLisp(const QString &text, GeneratedLisp &lisp, int maxLines = 200000);

// The text of an AutoLISP or DCL string as written between its double quotes, unescaped.
QString unescapeLispString(QStringView text);

} // namespace tw
