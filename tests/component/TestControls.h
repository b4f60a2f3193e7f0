#pragma once

#include "component/Owner.h"
#include "component/Panel.h"

#include <QObject>
#include <QStringList>

namespace tw::test
{

// A panel publishing one property of every kind the streams and the
// inspector handle, with declared defaults on some of them.
class TKindsPanel : public TPanel
{
    Q_OBJECT
    Q_CLASSINFO("default:Count", "7")
    Q_CLASSINFO("default:Style", "[]")
    Q_PROPERTY(int Count READ count WRITE setCount)
    Q_PROPERTY(QChar Letter READ letter WRITE setLetter)
    Q_PROPERTY(double Ratio READ ratio WRITE setRatio)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(bool Flag READ flag WRITE setFlag)
    Q_PROPERTY(tw::TFontStyles Style READ style WRITE setStyle)
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(tw::TMethod OnChange READ onChange WRITE setOnChange)

public:
    Q_INVOKABLE explicit TKindsPanel(TOwner *owner) : TPanel(owner) {}

    int count() const { return m_count; }
    void setCount(int value) { m_count = value; }
    QChar letter() const { return m_letter; }
    void setLetter(QChar value) { m_letter = value; }
    double ratio() const { return m_ratio; }
    void setRatio(double value) { m_ratio = value; }
    QString text() const { return m_text; }
    void setText(const QString &value)
    {
        m_text = value;
        parentedWhenTextSet = parentControl() != nullptr;
    }
    bool flag() const { return m_flag; }
    void setFlag(bool value) { m_flag = value; }
    TFontStyles style() const { return m_style; }
    void setStyle(TFontStyles value) { m_style = value; }
    QStringList lines() const { return m_lines; }
    void setLines(const QStringList &value) { m_lines = value; }
    TMethod onChange() const { return m_onChange; }
    void setOnChange(const TMethod &value) { m_onChange = value; }

    bool acceptsControls() const override { return true; }
    bool parentedWhenTextSet = false;
    int loadedCalls = 0;

protected:
    void loaded() override { ++loadedCalls; }

private:
    int m_count = 7;
    QChar m_letter = QLatin1Char('x');
    double m_ratio = 0;
    QString m_text;
    bool m_flag = false;
    TFontStyles m_style;
    QStringList m_lines;
    TMethod m_onChange;
};

// An owner whose methods event properties can be bound to.
class TTestRoot : public QObject, public TOwner
{
    Q_OBJECT

public:
    QObject *methodReceiver() override { return this; }
    QStringList calls;

public slots:
    void PanelChange(QObject *sender) { calls.append(sender->objectName()); }
};

} // namespace tw::test
