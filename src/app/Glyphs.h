#pragma once

#include <QIcon>
#include <QImage>

class QPalette;

namespace tw
{

// The pictures of the palette's tile kinds and of the commands.
enum class TGlyph {
    SelectArrow,
    Button,
    Text,
    EditBox,
    Spacer,
    Toggle,
    RadioButton,
    Slider,
    ImageButton,
    Image,
    PopupList,
    ListBox,
    BoxedRow,
    BoxedColumn,
    Row,
    Column,
    NewProject,
    OpenProject,
    SaveProject,
    SaveDialog,
    NewLispFile,
    NewDclFile,
    OpenSourceFile,
    Copy,
    Cut,
    Paste,
    Undo,
    Redo,
    GenerateCode,
    CheckDesign,
    NextWindow,
    QuickHelp,
    Exit,
    DesignMode,
    // The overflow button of a tool bar or menu bar too short for its items.
    MoreRight,
    MoreLeft,
    MoreDown,
};

// An icon that paints `glyph` whenever it is asked for a picture, in the
// application palette of that moment, so it follows light and dark themes and
// stays sharp at any device pixel ratio.
QIcon glyphIcon(TGlyph glyph);

// `glyph` drawn on a 16-unit grid scaled by whole pixels into `size` device
// pixels, so its 1-unit lines cover whole pixels; the disabled mode greys it
// out towards the window colour.
QImage renderGlyph(TGlyph glyph, const QSize &size, const QPalette &palette,
                   QIcon::Mode mode = QIcon::Normal);

// The program's logo, `side` pixels square, scaled by whole pixels from its
// 64-pixel design (the picture installed as the program's icon).
QImage renderLogo(int side);

} // namespace tw
