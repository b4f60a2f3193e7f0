#pragma once

#include "component/Enums.h"
#include "format/Idents.h"

#include <QFont>
#include <QObject>

namespace tw
{

// The font of a control as the stream stores it (Font.Charset, Font.Color,
// Font.Height, Font.Name, Font.Style). Height is in pixels; negative values
// give the character height without internal leading, as the classic toolkit
// does. Every change emits changed().
class TFont : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("idents:Charset", "TFontCharset")
    Q_CLASSINFO("idents:Color", "TColor")
    Q_PROPERTY(int Charset READ charset WRITE setCharset)
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(QString Name READ name WRITE setName)
    Q_PROPERTY(tw::TFontStyles Style READ style WRITE setStyle)

public:
    explicit TFont(QObject *parent = nullptr);

    int charset() const { return m_charset; }
    void setCharset(int value);
    TColor color() const { return m_color; }
    void setColor(TColor value);
    int height() const { return m_height; }
    void setHeight(int value);
    QString name() const { return m_name; }
    void setName(const QString &value);
    TFontStyles style() const { return m_style; }
    void setStyle(TFontStyles value);

    void assign(const TFont &other);
    bool equals(const TFont &other) const;
    QFont toQFont() const;

signals:
    void changed();

private:
    int m_charset = DEFAULT_CHARSET;
    TColor m_color = clWindowText;
    int m_height = -11;
    QString m_name = QStringLiteral("MS Sans Serif");
    TFontStyles m_style;
};

} // namespace tw
