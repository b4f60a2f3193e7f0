#pragma once

#include "codegen/DialogCode.h"

namespace tw
{

// The DCL blocks of the cluster tiles. A block is the header (": column {",
// ": row {", ": boxed_column {" or ": boxed_radio_column {", ": boxed_row {"
// or ": boxed_radio_row {" as IsRadioGroup says); at attribute depth the key,
// the label (always for the boxed clusters, for the plain ones only when the
// caption is not blank), alignment, width, height, is_tab_stop and is_enabled
// when clear, fixed_height, fixed_width, children_fixed_height and
// children_fixed_width when set, and children_alignment; then the cluster's
// own AutoLISP fragments (a boxed cluster's linked variable holds a string:
// the key of the chosen radio button for a radio cluster); then the children,
// four spaces deeper, in column order (by Top) for columns and in row order
// (by Left) for rows; then "}".
void WriteColumn(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteRow(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteBoxedColumn(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteBoxedRow(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);

} // namespace tw
