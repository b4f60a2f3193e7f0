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

// The same dialog as one AutoLISP text: its c:LoadDialog writes the DCL text
// that GenerateDialogCode gives to a temporary file, loads and shows the
// dialog from it as the two-file code does, then deletes the file, also when
// loading fails, and returns what the two-file command returns.
void GenerateSingleFileCode(TDCLPanel *dialog, QStringList &lisp);

// Writes the blocks of the container's tiles, sorted stably by Top (column
// order) or by Left (row order), four spaces deeper than `indent`. Controls
// that are not tiles are skipped. AutoCAD refuses a radio button outside a
// radio cluster, so unless the container is written as one itself, each run
// of consecutive radio buttons goes into a wrapper without attributes,
// ": radio_column {" (": radio_row {" in row order) at the depth the radio
// buttons would have had, with their blocks four spaces deeper. Each wrapper
// is a cluster of its own: radio buttons of one container that other tiles
// split into separate runs exclude each other on the design surface, but in
// AutoCAD each run is exclusive only within itself.
void WriteChildTiles(TControl *container, QStringList &dcl, const QString &indent,
                     LispSections &lisp, bool columnOrder);

// Whether the generator writes `control` as a tile: controls of other kinds are
// skipped.
bool IsWrittenAsTile(const TControl *control);

// How a container lays out its children: the dialog and the columns stack
// them, the rows line them up.
enum class TDclDirection { Column, Row };
TDclDirection LayoutDirection(const TControl *container);
// The direction of the container a tile is written in; a tile outside any
// tile container counts as one on the dialog.
TDclDirection ParentDirection(const TControl *tile);

// Whether a cluster is written in its radio form: a boxed cluster with
// IsRadioGroup set, or any column or row whose tiles are all radio buttons
// (one at least). The dialog never is.
bool IsWrittenAsRadioCluster(const TControl *cluster);

// A DCL size in character units as "%4.1f" writes it, with a decimal point
// whatever the locale.
QString FormatDclSize(double value);
// Text for a double-quoted DCL or AutoLISP string, which read the same
// escapes: a backslash becomes \\ and a double quote \", so the string holds
// exactly the text.
QString EscapeString(const QString &text);

} // namespace tw
