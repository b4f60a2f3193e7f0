#pragma once

#include "codegen/DialogCode.h"

namespace tw
{

// The DCL blocks of the cluster tiles. A block is the header (": column {",
// ": row {", ": boxed_column {", ": boxed_row {", or their radio forms
// ": radio_column {", ": radio_row {", ": boxed_radio_column {",
// ": boxed_radio_row {" as IsWrittenAsRadioCluster says); at attribute depth
// the key, the label (always for the boxed clusters, for the plain ones only
// when the caption is not blank), alignment, width, height, is_tab_stop and
// is_enabled when clear, fixed_height, fixed_width, children_fixed_height and
// children_fixed_width when set, and children_alignment (each alignment line
// only where its word fits, see WriteAlignmentLine); then the cluster's
// own AutoLISP fragments (a boxed cluster's linked variable holds a string:
// the key of the chosen radio button for a radio cluster); then the children,
// four spaces deeper, in column order (by Top) for columns and in row order
// (by Left) for rows, radio buttons wrapped as WriteChildTiles says; then "}".
void WriteColumn(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteRow(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteBoxedColumn(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteBoxedRow(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);

} // namespace tw
