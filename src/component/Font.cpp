#include "component/Font.h"

namespace tw
{

TFont::TFont(QObject *parent) : QObject(parent)
{
}

void TFont::setCharset(int value)
{
    if (value != m_charset) {
        m_charset = value;
        emit changed();
    }
}

void TFont::setColor(TColor value)
{
    if (value != m_color) {
        m_color = value;
        emit changed();
    }
}

void TFont::setHeight(int value)
{
    if (value != m_height) {
        m_height = value;
        emit changed();
    }
}

void TFont::setName(const QString &value)
{
    if (value != m_name) {
        m_name = value;
        emit changed();
    }
}

void TFont::setStyle(TFontStyles value)
{
    if (value != m_style) {
        m_style = value;
        emit changed();
    }
}

void TFont::assign(const TFont &other)
{
    if (equals(other))
        return;
    m_charset = other.m_charset;
    m_color = other.m_color;
    m_height = other.m_height;
    m_name = other.m_name;
    m_style = other.m_style;
    emit changed();
}

bool TFont::equals(const TFont &other) const
{
    return m_charset == other.m_charset && m_color == other.m_color && m_height == other.m_height &&
           m_name == other.m_name && m_style == other.m_style;
}

QFont TFont::toQFont() const
{
    QFont font(m_name);
    // A positive height includes the internal leading; 8/7 approximates it.
    const int pixels = m_height < 0 ? -m_height : (m_height * 7 + 4) / 8;
    if (pixels > 0)
        font.setPixelSize(pixels);
    font.setBold(m_style.testFlag(fsBold));
    font.setItalic(m_style.testFlag(fsItalic));
    font.setUnderline(m_style.testFlag(fsUnderline));
    font.setStrikeOut(m_style.testFlag(fsStrikeOut));
    return font;
}

} // namespace tw
