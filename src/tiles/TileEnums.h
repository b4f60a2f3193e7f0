#pragma once

#include <QObject>

// The tile enumerations. Names and order are fixed: designs store the names,
// the inspector lists them in this order, and the generated DCL writes them.
namespace tw::dcl
{
Q_NAMESPACE

// Alignment of a tile inside its cluster.
enum class TCadAlignment { Top, Bottom, Center, Left, Right };
Q_ENUM_NS(TCadAlignment)

// Colour of an image tile, as DCL names it.
enum class TBackColor {
    black,
    red,
    yellow,
    green,
    cyan,
    blue,
    magenta,
    white,
    graphics_foreground,
    dialog_line,
    dialog_foreground,
    dialog_background,
    graphics_background
};
Q_ENUM_NS(TBackColor)

// The predefined DCL cluster of buttons that closes the dialog.
enum class TRetirementButton {
    errtile,
    ok_cancel_help,
    ok_only,
    ok_cancel_help_errtile,
    ok_cancel,
    ok_cancel_help_info
};
Q_ENUM_NS(TRetirementButton)

} // namespace tw::dcl

namespace tw
{
using dcl::TBackColor;
using dcl::TCadAlignment;
using dcl::TRetirementButton;

// The DCL name of an enumeration value ("ok_cancel_help", "Left", "black").
QString enumName(TCadAlignment value);
QString enumName(TBackColor value);
QString enumName(TRetirementButton value);
} // namespace tw
