#pragma once

#include <QString>
#include <optional>

// Integer properties that the stream writes as names when a standard name
// exists (colours such as clBtnFace, character sets such as DEFAULT_CHARSET).
// A class names the table of such a property with the class info
// "idents:<Property>" = "TColor" or "TFontCharset".
namespace tw
{

using TColor = int;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSystemColor = int(0x80000000u);
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clWindow = clSystemColor | 5;

inline constexpr int DEFAULT_CHARSET = 1;

// Name of `value` in table `table` ("TColor", "TFontCharset"), if it has one.
std::optional<QString> identOfValue(const QString &table, int value);
// Value of the name `ident` (case-insensitive) in `table`, if known.
std::optional<int> valueOfIdent(const QString &table, const QString &ident);

// Screen colour of a stored colour value, system colours included.
unsigned colorToRgb(TColor color);

} // namespace tw
