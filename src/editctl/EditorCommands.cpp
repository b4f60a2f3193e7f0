#include "editctl/EditorCommands.h"

#include <array>

namespace tw
{

namespace
{

using C = TEditorCommand;
constexpr auto None = Qt::NoModifier;
constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Alt = Qt::AltModifier;

constexpr TKeyBinding Bind(Qt::KeyboardModifiers mods, Qt::Key key, C command)
{
    return {QKeyCombination(mods, key), command};
}

const auto Table = std::to_array<TKeyBinding>({
    Bind(None, Qt::Key_Up, C::ecUp),
    Bind(None, Qt::Key_Down, C::ecDown),
    Bind(None, Qt::Key_Left, C::ecLeft),
    Bind(None, Qt::Key_Right, C::ecRight),
    Bind(None, Qt::Key_PageUp, C::ecPageUp),
    Bind(None, Qt::Key_PageDown, C::ecPageDown),
    Bind(None, Qt::Key_Home, C::ecLineStart),
    Bind(None, Qt::Key_End, C::ecLineEnd),
    Bind(Shift, Qt::Key_Up, C::ecSelUp),
    Bind(Shift, Qt::Key_Down, C::ecSelDown),
    Bind(Shift, Qt::Key_Left, C::ecSelLeft),
    Bind(Shift, Qt::Key_Right, C::ecSelRight),
    Bind(Shift, Qt::Key_PageUp, C::ecSelPageUp),
    Bind(Shift, Qt::Key_PageDown, C::ecSelPageDown),
    Bind(Shift, Qt::Key_Home, C::ecSelLineStart),
    Bind(Shift, Qt::Key_End, C::ecSelLineEnd),
    Bind(Ctrl, Qt::Key_Up, C::ecScrollUp),
    Bind(Ctrl, Qt::Key_Down, C::ecScrollDown),
    Bind(Ctrl, Qt::Key_Left, C::ecWordLeft),
    Bind(Ctrl, Qt::Key_Right, C::ecWordRight),
    Bind(Ctrl | Shift, Qt::Key_Left, C::ecSelWordLeft),
    Bind(Ctrl | Shift, Qt::Key_Right, C::ecSelWordRight),
    Bind(Ctrl, Qt::Key_PageUp, C::ecPageTop),
    Bind(Ctrl, Qt::Key_PageDown, C::ecPageBottom),
    Bind(Ctrl | Shift, Qt::Key_PageUp, C::ecSelPageTop),
    Bind(Ctrl | Shift, Qt::Key_PageDown, C::ecSelPageBottom),
    Bind(Ctrl, Qt::Key_Home, C::ecEditorTop),
    Bind(Ctrl, Qt::Key_End, C::ecEditorBottom),
    Bind(Ctrl | Shift, Qt::Key_Home, C::ecSelEditorTop),
    Bind(Ctrl | Shift, Qt::Key_End, C::ecSelEditorBottom),
    Bind(None, Qt::Key_Insert, C::ecToggleMode),
    Bind(Ctrl, Qt::Key_Insert, C::ecCopy),
    Bind(Ctrl, Qt::Key_C, C::ecCopy),
    Bind(Shift, Qt::Key_Insert, C::ecPaste),
    Bind(Ctrl, Qt::Key_V, C::ecPaste),
    Bind(Shift, Qt::Key_Delete, C::ecCut),
    Bind(Ctrl, Qt::Key_X, C::ecCut),
    Bind(None, Qt::Key_Delete, C::ecDeleteChar),
    Bind(None, Qt::Key_Backspace, C::ecDeleteLastChar),
    Bind(Shift, Qt::Key_Backspace, C::ecDeleteLastChar),
    Bind(Ctrl, Qt::Key_Backspace, C::ecDeleteLastWord),
    Bind(Alt, Qt::Key_Backspace, C::ecUndo),
    Bind(Ctrl, Qt::Key_Z, C::ecUndo),
    Bind(Shift | Alt, Qt::Key_Backspace, C::ecRedo),
    Bind(Ctrl | Shift, Qt::Key_Z, C::ecRedo),
    Bind(None, Qt::Key_Return, C::ecLineBreak),
    Bind(None, Qt::Key_Enter, C::ecLineBreak),
    Bind(Ctrl, Qt::Key_M, C::ecLineBreak),
    Bind(Ctrl, Qt::Key_N, C::ecInsertLine),
    Bind(Ctrl, Qt::Key_A, C::ecSelectAll),
    Bind(Ctrl, Qt::Key_T, C::ecDeleteWord),
    Bind(Ctrl, Qt::Key_Y, C::ecDeleteLine),
    Bind(Ctrl | Shift, Qt::Key_Y, C::ecDeleteEOL),
    Bind(Ctrl | Shift, Qt::Key_I, C::ecBlockIndent),
    Bind(Ctrl | Shift, Qt::Key_U, C::ecBlockUnindent),
    Bind(Ctrl, Qt::Key_0, C::ecGotoMarker0),
    Bind(Ctrl, Qt::Key_1, C::ecGotoMarker1),
    Bind(Ctrl, Qt::Key_2, C::ecGotoMarker2),
    Bind(Ctrl, Qt::Key_3, C::ecGotoMarker3),
    Bind(Ctrl, Qt::Key_4, C::ecGotoMarker4),
    Bind(Ctrl, Qt::Key_5, C::ecGotoMarker5),
    Bind(Ctrl, Qt::Key_6, C::ecGotoMarker6),
    Bind(Ctrl, Qt::Key_7, C::ecGotoMarker7),
    Bind(Ctrl, Qt::Key_8, C::ecGotoMarker8),
    Bind(Ctrl, Qt::Key_9, C::ecGotoMarker9),
    Bind(Ctrl | Shift, Qt::Key_0, C::ecSetMarker0),
    Bind(Ctrl | Shift, Qt::Key_1, C::ecSetMarker1),
    Bind(Ctrl | Shift, Qt::Key_2, C::ecSetMarker2),
    Bind(Ctrl | Shift, Qt::Key_3, C::ecSetMarker3),
    Bind(Ctrl | Shift, Qt::Key_4, C::ecSetMarker4),
    Bind(Ctrl | Shift, Qt::Key_5, C::ecSetMarker5),
    Bind(Ctrl | Shift, Qt::Key_6, C::ecSetMarker6),
    Bind(Ctrl | Shift, Qt::Key_7, C::ecSetMarker7),
    Bind(Ctrl | Shift, Qt::Key_8, C::ecSetMarker8),
    Bind(Ctrl | Shift, Qt::Key_9, C::ecSetMarker9),
    Bind(Ctrl | Shift, Qt::Key_N, C::ecNormalSelect),
    Bind(Ctrl | Shift, Qt::Key_C, C::ecColumnSelect),
    Bind(Ctrl | Shift, Qt::Key_L, C::ecLineSelect),
    Bind(None, Qt::Key_Tab, C::ecTab),
    Bind(Shift, Qt::Key_Tab, C::ecShiftTab),
    Bind(Shift, Qt::Key_Backtab, C::ecShiftTab),
    Bind(Ctrl | Shift, Qt::Key_B, C::ecMatchBracket),
});

} // namespace

std::span<const TKeyBinding> DefaultKeyBindings()
{
    return Table;
}

} // namespace tw
