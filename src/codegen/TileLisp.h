#pragma once

#include "codegen/DialogCode.h"

class QObject;

namespace tw
{

// How a tile's linked AutoLISP variable is copied into and out of the tile.
// String: as it stands. Real: a number written in decimal mode with rtos mode
// 2 (edit boxes). Whole: a number written in decimal mode without decimals
// (toggles, radio buttons, sliders, popup lists, list boxes). Both numeric
// kinds read the tile back with atof.
enum class TLinkVariant { String, Real, Whole };

// The AutoLISP fragments of one tile, read from its Key, DCL_Action, LispCode
// and LinkToVar properties by name (a property the tile lacks reads as
// empty): when the action is not blank, a function with the LispCode lines as
// its body and its action_tile binding; when the linked variable is not blank,
// its set_data and get_data lines. An action typed as a bare symbol without
// "(" is trimmed and given "()", so that defun finds its argument list. Keys
// and action names inside AutoLISP strings are escaped with EscapeString; the
// LispCode lines are code and are written as they stand.
void WriteTileLisp(const QObject *tile, TLinkVariant variant, LispSections &lisp);

} // namespace tw
