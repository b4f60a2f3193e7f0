#pragma once

#include "component/Panel.h"
#include "tiles/TileAttributes.h"
#include "tiles/TileEnums.h"

class QPushButton;

namespace tw
{

// The button tile (DCL button): a bevel-less panel holding a push button
// inset by 4 pixels. Caption, Default, Cancel and Enabled live in the push
// button, so what is drawn always matches the stored values. An empty key
// (the empty string only: a key of blanks is kept) takes the component name
// on every resize.
class TDCLButton : public TCustomPanel, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Height", "28")
    Q_CLASSINFO("default:Width", "80")
    Q_PROPERTY(tw::dcl::TCadAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool Cancel READ cancel WRITE setCancel)
    Q_PROPERTY(QString Caption READ buttonCaption WRITE setButtonCaption)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Enabled READ buttonEnabled WRITE setButtonEnabled)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)

public:
    Q_INVOKABLE explicit TDCLButton(TOwner *owner);

    TCadAlignment alignment() const { return m_alignment; }
    void setAlignment(TCadAlignment value) { m_alignment = value; }
    bool cancel() const;
    void setCancel(bool value);
    QString buttonCaption() const;
    void setButtonCaption(const QString &value);
    bool isDefault() const;
    void setDefault(bool value);
    bool buttonEnabled() const;
    void setButtonEnabled(bool value);

    QPushButton *button() const { return m_button; }

protected:
    void resized() override;
    void loaded() override;

private:
    TCadAlignment m_alignment = TCadAlignment::Top;
    QPushButton *m_button;
};

} // namespace tw
