#pragma once

#include "component/Panel.h"
#include "tiles/TileAttributes.h"
#include "tiles/TileEnums.h"

class QCheckBox;

namespace tw
{

// The toggle tile (DCL toggle): a bevel-less panel holding a check box inset
// by 4 pixels. Caption, Value (the checked state) and Enabled live in the
// check box. Its key is never filled in from the component name.
class TDCLCheckButton : public TCustomPanel, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Height", "24")
    Q_CLASSINFO("default:Width", "80")
    Q_PROPERTY(tw::dcl::TCadAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QString Caption READ boxCaption WRITE setBoxCaption)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Enabled READ boxEnabled WRITE setBoxEnabled)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QString LinkToVar READ linkToVar WRITE setLinkToVar)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)
    Q_PROPERTY(bool Value READ value WRITE setValue)

public:
    Q_INVOKABLE explicit TDCLCheckButton(TOwner *owner);

    TCadAlignment alignment() const { return m_alignment; }
    void setAlignment(TCadAlignment value) { m_alignment = value; }
    QString boxCaption() const;
    void setBoxCaption(const QString &value);
    bool boxEnabled() const;
    void setBoxEnabled(bool value);
    bool value() const;
    void setValue(bool value);

    QCheckBox *checkBox() const { return m_box; }

protected:
    void resized() override;
    void loaded() override;

private:
    TCadAlignment m_alignment = TCadAlignment::Top;
    QCheckBox *m_box;
};

} // namespace tw
