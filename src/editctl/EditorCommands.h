#pragma once

#include <QKeyCombination>
#include <span>

namespace tw
{

// Commands of the editor control, the targets of its key bindings.
enum class TEditorCommand {
    ecUp,
    ecDown,
    ecLeft,
    ecRight,
    ecPageUp,
    ecPageDown,
    ecLineStart,
    ecLineEnd,
    ecSelUp,
    ecSelDown,
    ecSelLeft,
    ecSelRight,
    ecSelPageUp,
    ecSelPageDown,
    ecSelLineStart,
    ecSelLineEnd,
    ecScrollUp,
    ecScrollDown,
    ecWordLeft,
    ecWordRight,
    ecSelWordLeft,
    ecSelWordRight,
    ecPageTop,
    ecPageBottom,
    ecSelPageTop,
    ecSelPageBottom,
    ecEditorTop,
    ecEditorBottom,
    ecSelEditorTop,
    ecSelEditorBottom,
    ecToggleMode,
    ecCopy,
    ecPaste,
    ecCut,
    ecDeleteChar,
    ecDeleteLastChar,
    ecDeleteLastWord,
    ecUndo,
    ecRedo,
    ecLineBreak,
    ecInsertLine,
    ecSelectAll,
    ecDeleteWord,
    ecDeleteLine,
    ecDeleteEOL,
    ecBlockIndent,
    ecBlockUnindent,
    ecGotoMarker0,
    ecGotoMarker1,
    ecGotoMarker2,
    ecGotoMarker3,
    ecGotoMarker4,
    ecGotoMarker5,
    ecGotoMarker6,
    ecGotoMarker7,
    ecGotoMarker8,
    ecGotoMarker9,
    ecSetMarker0,
    ecSetMarker1,
    ecSetMarker2,
    ecSetMarker3,
    ecSetMarker4,
    ecSetMarker5,
    ecSetMarker6,
    ecSetMarker7,
    ecSetMarker8,
    ecSetMarker9,
    ecNormalSelect,
    ecColumnSelect,
    ecLineSelect,
    ecTab,
    ecShiftTab,
    ecMatchBracket,
};

struct TKeyBinding {
    QKeyCombination Keys;
    TEditorCommand Command;
};

// The editor windows' key table: every shortcut the control answers itself.
std::span<const TKeyBinding> DefaultKeyBindings();

} // namespace tw
