#pragma once

#include "codegen/DialogCode.h"
#include "component/Enums.h"
#include "tiles/TileEnums.h"

#include <QString>
#include <QStringList>

namespace tw
{

// The house style of the DCL tile blocks, shared by every tile writer. Each
// line function returns one whole line: the indent of the tile, then the
// attribute template (four spaces deeper than the tile's header). Texts put
// between double quotes are escaped with EscapeString; numbers always use a
// decimal point.

// DCL's own lower-case alignment words (DCL keywords are case-sensitive):
// top, bottom, centered, left, right for TCadAlignment; left, right, centered
// for the toolkit's three-valued TAlignment.
QString DclAlignmentWord(TCadAlignment value);
QString DclAlignmentWord(TAlignment value);

QString DclKeyLine(const QString &indent, const QString &key);
QString DclLabelLine(const QString &indent, const QString &label);
QString DclTextValueLine(const QString &indent, const QString &value);
// Pixels turned into character units: width / 7.0, height / 15.0, "%4.1f".
QString DclWidthLine(const QString &indent, int pixels);
QString DclHeightLine(const QString &indent, int pixels);
QString DclEditLimitLine(const QString &indent, int limit);
QString DclPasswordLine(const QString &indent, QChar character);

// The alignment line of a tile laid out `along` its parent's direction, and
// the children_alignment line of a cluster laid out `along` its own, each
// written only when the word means something there: left, right and
// centered in a column, top, bottom and centered in a row. AutoCAD ignores
// any other word and reports it at its stricter audit levels.
void WriteAlignmentLine(const QString &indent, const QString &word, TDclDirection along,
                        QStringList &dcl);
void WriteChildrenAlignmentLine(const QString &indent, const QString &word, TDclDirection along,
                                QStringList &dcl);

// "    <attribute> = true ;" when `flag` is set, nothing otherwise; `attribute`
// is the indent followed by the attribute word.
void WriteIfTrue(const QString &attribute, bool flag, QStringList &dcl);
// "    <attribute> = false ;" when `flag` is clear, nothing otherwise.
void WriteIfFalse(const QString &attribute, bool flag, QStringList &dcl);

} // namespace tw
