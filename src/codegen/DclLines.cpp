#include "codegen/DclLines.h"

#include "codegen/DialogCode.h"

namespace tw
{
namespace
{

// `templ` is one attribute template with %1 for the value.
QString line(const QString &indent, const char *templ, const QString &value)
{
    return indent + QString::fromLatin1(templ).arg(value);
}

bool fitsDirection(const QString &word, TDclDirection along)
{
    if (word == QLatin1String("centered"))
        return true;
    if (along == TDclDirection::Column)
        return word == QLatin1String("left") || word == QLatin1String("right");
    return word == QLatin1String("top") || word == QLatin1String("bottom");
}

} // namespace

QString DclAlignmentWord(TCadAlignment value)
{
    switch (value) {
    case TCadAlignment::Top:
        return QStringLiteral("top");
    case TCadAlignment::Bottom:
        return QStringLiteral("bottom");
    case TCadAlignment::Center:
        break;
    case TCadAlignment::Left:
        return QStringLiteral("left");
    case TCadAlignment::Right:
        return QStringLiteral("right");
    }
    return QStringLiteral("centered");
}

QString DclAlignmentWord(TAlignment value)
{
    switch (value) {
    case taLeftJustify:
        return QStringLiteral("left");
    case taRightJustify:
        return QStringLiteral("right");
    case taCenter:
        break;
    }
    return QStringLiteral("centered");
}

QString DclKeyLine(const QString &indent, const QString &key)
{
    return line(indent, "    key        = \"%1\" ;", EscapeString(key));
}

QString DclLabelLine(const QString &indent, const QString &label)
{
    return line(indent, "    label      = \"%1\" ;", EscapeString(label));
}

QString DclTextValueLine(const QString &indent, const QString &value)
{
    return line(indent, "    value      = \"%1\" ;", EscapeString(value));
}

QString DclWidthLine(const QString &indent, int pixels)
{
    return line(indent, "    width      = %1 ;", FormatDclSize(pixels / 7.0));
}

QString DclHeightLine(const QString &indent, int pixels)
{
    return line(indent, "    height     = %1 ;", FormatDclSize(pixels / 15.0));
}

void WriteAlignmentLine(const QString &indent, const QString &word, TDclDirection along,
                        QStringList &dcl)
{
    if (fitsDirection(word, along))
        dcl << line(indent, "    alignment     = %1 ;", word);
}

void WriteChildrenAlignmentLine(const QString &indent, const QString &word, TDclDirection along,
                                QStringList &dcl)
{
    if (fitsDirection(word, along))
        dcl << line(indent, "    children_alignment = %1 ;", word);
}

QString DclEditLimitLine(const QString &indent, int limit)
{
    return line(indent, "    edit_limit = %1 ;", QString::number(limit));
}

QString DclPasswordLine(const QString &indent, QChar character)
{
    return line(indent, "    password_char = \"%1\" ;", EscapeString(QString(character)));
}

void WriteIfTrue(const QString &attribute, bool flag, QStringList &dcl)
{
    if (flag)
        dcl << QStringLiteral("    ") + attribute + QStringLiteral(" = true ;");
}

void WriteIfFalse(const QString &attribute, bool flag, QStringList &dcl)
{
    if (!flag)
        dcl << QStringLiteral("    ") + attribute + QStringLiteral(" = false ;");
}

} // namespace tw
