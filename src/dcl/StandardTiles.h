#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tw::dcl
{

// The tiles every DCL file may use without defining them: the primitives (dialog, button,
// cluster, ...) and the standard prototypes and subassemblies built on them (row, column, the
// boxed and radio clusters, spacers, text parts, ok_cancel and the other exit-button groups,
// errtile, default_dcl_settings). The project writes them itself, as DCL text, from the DCL
// language reference; standardTilesText() returns that text, which the library parses like any
// other file (positions then name Position::builtInFile()).
QString standardTilesText();

// The primitives: the only definitions without a parent.
const QStringList &primitiveTiles();

// Tile kinds a resolved tile reports (Tile::kind): the primitives and the standard tiles a
// previewer must tell apart (row, boxed_radio_column, spacer_0, text_part, ...).
bool isStandardKind(const QString &name);

// Active tiles: selectable, may carry an action and a key.
bool isActivePrimitive(QStringView primitive);

// What an attribute holds, for checking values.
enum class AttributeType {
    Bool,      // true / false
    Integer,   // whole number
    Number,    // integer or real
    String,    // quoted text (a number is read back as its text)
    Alignment, // left right top bottom centered
    Layout,    // horizontal vertical
    Color,     // 0..255 or a colour word
    Margin,    // none (the standard tiles' own margins)
};

// One attribute AutoCAD documents (or the standard tiles use internally).
struct AttributeInfo {
    QString name;
    AttributeType type;
    // Primitives that read it; empty = every tile.
    QStringList primitives;
    // Why it should not be written by hand, or empty.
    QString restriction;
};

// The attribute called `name` (case-sensitive), or nullptr for a user-defined attribute.
const AttributeInfo *findAttribute(const QString &name);
// The documented attribute whose name differs from `name` only in case, or nullptr.
const AttributeInfo *findAttributeIgnoringCase(QStringView name);

// Colour words of `color`.
const QStringList &colorWords();

} // namespace tw::dcl
