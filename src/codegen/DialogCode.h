#pragma once

#include <QString>
#include <QStringList>

namespace tw
{

class TControl;
class TDCLPanel;

// The four AutoLISP sections the tile writers fill during one run.
struct LispSections {
    QStringList InitSection;
    QStringList SetSection;
    QStringList GetSection;
    QStringList FunctionSection;
};

// Turns the dialog tile and its tiles into DCL text and AutoLISP text (the
// command c:LoadDialog), appending to the two lists. A blank dialog name is
// set to "no_name" in the design itself first.
void GenerateDialogCode(TDCLPanel *dialog, QStringList &dcl, QStringList &lisp);

// Writes the blocks of the container's tiles, sorted stably by Top (column
// order) or by Left (row order), four spaces deeper than `indent`. Controls
// that are not tiles are skipped.
void WriteChildTiles(TControl *container, QStringList &dcl, const QString &indent,
                     LispSections &lisp, bool columnOrder);

// A DCL size in character units as "%4.1f" writes it, with a decimal point
// whatever the locale.
QString FormatDclSize(double value);
// Text for a double-quoted DCL or AutoLISP string: a double quote becomes \".
QString EscapeQuotes(const QString &text);

} // namespace tw
