#pragma once

#include <QObject>

// Enumerations of the classic control toolkit that the component stream stores
// by name. Names and order are fixed: files written elsewhere use them.
namespace tw
{
Q_NAMESPACE

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TScrollBarKind { sbHorizontal, sbVertical };
Q_ENUM_NS(TScrollBarKind)

// Set members are bit positions: fsBold is member 0, so its flag is 1 << 0.
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

} // namespace tw

Q_DECLARE_OPERATORS_FOR_FLAGS(tw::TFontStyles)
