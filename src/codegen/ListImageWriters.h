#pragma once

#include "codegen/DialogCode.h"

namespace tw
{

// The DCL blocks of the popup list, list box, slider, image and image button
// tiles, each written at `indent` (its attribute lines four spaces deeper)
// and followed by the tile's AutoLISP fragments: its action and, for the list
// and slider tiles, its linked variable as a whole number; for the image
// tiles, the lines that paint the slide into the tile. A list box that allows
// accept says so, after its multiple_select line.
void WritePopupList(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteListBox(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteSlider(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteImage(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);
void WriteImageButton(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp);

// The items, each escaped with EscapeString, joined by DCL's escaped line
// break (a backslash and n), nothing after the last; empty for no items.
QString JoinListItems(const QStringList &items);

// The five init_handler lines that paint `slide` (a slide file, or a library
// followed by the slide name in parentheses) into the image tile `key`.
// Backslashes in the slide reference become forward slashes.
void WriteImageFill(const QString &key, const QString &slide, LispSections &lisp);

} // namespace tw
