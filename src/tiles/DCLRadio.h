#pragma once

#include "component/Method.h"
#include "component/Panel.h"
#include "tiles/RadioGroup.h"
#include "tiles/TileAttributes.h"
#include "tiles/TileEnums.h"

#include <QRadioButton>

namespace tw
{

// The radio button inside a radio tile: the stock radio button with its
// checked state recorded behind the published Checked property, a
// SuppressNotify flag, and OnChangeValue(sender, value), raised when Checked
// becomes True while SuppressNotify is clear. A user click always checks it
// (as the classic radio button does) and clears SuppressNotify first.
class TMyRadioButton : public QRadioButton
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ recordedChecked WRITE setRecordedChecked)
    Q_PROPERTY(tw::TMethod OnChangeValue READ onChangeValue WRITE setOnChangeValue)

public:
    explicit TMyRadioButton(QWidget *parent);

    bool recordedChecked() const { return m_checked; }
    void setRecordedChecked(bool value);
    bool suppressNotify() const { return m_suppressNotify; }
    void setSuppressNotify(bool value) { m_suppressNotify = value; }
    TMethod onChangeValue() const { return m_onChangeValue; }
    void setOnChangeValue(const TMethod &value) { m_onChangeValue = value; }

protected:
    void nextCheckState() override;

private:
    bool m_checked = false;
    bool m_suppressNotify = false;
    TMethod m_onChangeValue;
};

// The radio button tile (DCL radio_button): a bevel-less panel holding a
// TMyRadioButton inset by 4 pixels. Caption and Enabled live in the inner
// control, Value is its recorded checked state. Setting Value to True (while
// not inside a group update) asks the direct container to uncheck the sibling
// radio tiles; setting it to False never touches a sibling. An empty or blank
// key takes the component name on every resize.
class TDCLRadio : public TCustomPanel, public TTileAttributes, public TRadioMember
{
    Q_OBJECT
    Q_CLASSINFO("default:Height", "21")
    Q_CLASSINFO("default:Width", "100")
    Q_PROPERTY(tw::dcl::TCadAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QString Caption READ radioCaption WRITE setRadioCaption)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Enabled READ radioEnabled WRITE setRadioEnabled)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QString LinkToVar READ linkToVar WRITE setLinkToVar)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)
    Q_PROPERTY(bool Value READ value WRITE setValue)
    Q_PROPERTY(tw::TMethod OnRadioValueChange READ onRadioValueChange WRITE setOnRadioValueChange)

public:
    Q_INVOKABLE explicit TDCLRadio(TOwner *owner);

    TCadAlignment alignment() const { return m_alignment; }
    void setAlignment(TCadAlignment value) { m_alignment = value; }
    QString radioCaption() const;
    void setRadioCaption(const QString &value);
    bool radioEnabled() const;
    void setRadioEnabled(bool value);
    bool value() const;
    void setValue(bool value);
    TMethod onRadioValueChange() const { return m_onRadioValueChange; }
    void setOnRadioValueChange(const TMethod &value) { m_onRadioValueChange = value; }

    bool inGroupUpdate() const { return m_inGroupUpdate; }
    void setInGroupUpdate(bool value) override { m_inGroupUpdate = value; }
    void setRadioValue(bool value) override { setValue(value); }

    TMyRadioButton *radioButton() const { return m_radio; }

    // The inner control's OnChangeValue handler.
    Q_INVOKABLE void RadioChangeValue(QObject *sender, bool value);

protected:
    void resized() override;
    void loaded() override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TCadAlignment m_alignment = TCadAlignment::Top;
    bool m_inGroupUpdate = false;
    TMethod m_onRadioValueChange;
    TMyRadioButton *m_radio;
};

} // namespace tw
