#pragma once

#include "codegen/DialogCode.h"

namespace tw
{

// The DCL blocks of the basic control tiles and the spacer, each written at
// `indent` (its attribute lines four spaces deeper) and followed by the
// tile's AutoLISP fragments where the tile kind has any. A checked toggle or
// radio button is written as value = "1", DCL's text for a checked toggle.
void WriteEditBox(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteButton(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteToggle(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteRadioButton(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteText(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteSpacer(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);

} // namespace tw
