#pragma once

#include "dcl/Document.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace tw::dcl
{

// What the layout needs to know about the font the dialog is drawn with. The engine cannot
// measure text itself (it has no font), so its caller gives the character cell and a measuring
// function; without one, text is as wide as its length in average characters.
struct LayoutFont {
    // One width unit: the average width of the 52 letters A-Z a-z (the figure AutoCAD uses).
    int unitWidth = 7;
    // One height unit: the height of a line of text, line spacing included.
    int unitHeight = 14;
    // Width in pixels of `text` as drawn, bold or not; empty = unitWidth x length.
    std::function<int(QStringView text, bool bold)> textWidth;

    int measure(QStringView text, bool bold = false) const;
};

// One tile placed. Rectangles are in pixels, relative to the dialog's client area, and hold the
// tile itself without its margin. `field` is the input part of an edit_box, popup_list or
// list_box (the rest of `rect` is its label) and is empty for other tiles.
struct PlacedTile {
    const Tile *tile = nullptr;
    QRect rect;
    QRect field;
    std::vector<PlacedTile> children;
};

struct DialogLayout {
    QString name;
    QSize unit;   // pixels of one width and one height unit
    QSize client; // the dialog's client area
    PlacedTile root;
};

// Lays out a resolved dialog by DCL's rules (every figure the reference leaves open is in the
// metrics table of Layout.cpp). Never fails: unknown or out-of-range attribute values fall back
// to the tile's default. The layout points into `dialog`, which must outlive it.
DialogLayout layoutDialog(const Tile &dialog, const LayoutFont &font);

// The text a tile shows as its label: `&` mnemonic markers taken out ("&&" stays one "&").
QString displayLabel(const QString &label);

// The layout as JSON: every tile with kind, key and label when set, x, y, width, height and
// children; the root also with name and unit.
QByteArray layoutToJson(const DialogLayout &layout);

} // namespace tw::dcl
