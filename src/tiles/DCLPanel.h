#pragma once

#include "component/Panel.h"
#include "tiles/TileEnums.h"

class QPushButton;

namespace tw
{

// The dialog tile: the root of every design. It carries the dialog-wide
// settings the code generator needs and previews the chosen retirement
// buttons along its bottom edge. Tiles inserted directly into it dock to the
// top, so they stack downwards; radio tiles directly on it are exclusive.
class TDCLPanel : public TCustomPanel
{
    Q_OBJECT
    Q_CLASSINFO("default:Retirement_Button", "ok_cancel_help")
    Q_PROPERTY(bool Candelete READ candelete WRITE setCandelete)
    Q_PROPERTY(QString DCLFileName READ dclFileName WRITE setDclFileName)
    Q_PROPERTY(QString DialogCaption READ dialogCaption WRITE setDialogCaption)
    Q_PROPERTY(int DialogHeight READ dialogHeight WRITE setDialogHeight)
    Q_PROPERTY(QString DialogName READ dialogName WRITE setDialogName)
    Q_PROPERTY(int DialogWidth READ dialogWidth WRITE setDialogWidth)
    Q_PROPERTY(QString LispFileName READ lispFileName WRITE setLispFileName)
    Q_PROPERTY(tw::dcl::TRetirementButton Retirement_Button READ retirementButton WRITE
                   setRetirementButton)
    Q_PROPERTY(tw::TMethod OnCaptionChange READ onCaptionChange WRITE setOnCaptionChange)

public:
    Q_INVOKABLE explicit TDCLPanel(TOwner *owner);

    bool candelete() const { return m_candelete; }
    void setCandelete(bool value) { m_candelete = value; }
    QString dclFileName() const { return m_dclFileName; }
    void setDclFileName(const QString &value) { m_dclFileName = value; }
    QString dialogCaption() const { return m_dialogCaption; }
    // Stores the caption and raises OnCaptionChange(sender, caption).
    void setDialogCaption(const QString &value);
    int dialogHeight() const { return m_dialogHeight; }
    void setDialogHeight(int value) { m_dialogHeight = value; }
    QString dialogName() const { return m_dialogName; }
    // Also shows the name in the middle of the tile.
    void setDialogName(const QString &value);
    int dialogWidth() const { return m_dialogWidth; }
    void setDialogWidth(int value) { m_dialogWidth = value; }
    QString lispFileName() const { return m_lispFileName; }
    void setLispFileName(const QString &value) { m_lispFileName = value; }
    TRetirementButton retirementButton() const { return m_retirementButton; }
    // Rearranges the preview at once.
    void setRetirementButton(TRetirementButton value);
    TMethod onCaptionChange() const { return m_onCaptionChange; }
    void setOnCaptionChange(const TMethod &value) { m_onCaptionChange = value; }

    void ArrangeRetirementButtons();

    TPanel *buttonBar() const { return m_buttonBar; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }
    QPushButton *infoButton() const { return m_info; }
    TLabel *errorLabel() const { return m_errorLabel; }

    bool acceptsControls() const override { return true; }
    void radioChecked(TControl *sender, bool checked) override;

protected:
    void controlListChange(TControl *child, bool inserted) override;
    void resized() override;
    void loaded() override;

private:
    bool m_candelete = false;
    QString m_dclFileName;
    QString m_dialogCaption;
    int m_dialogHeight = 0;
    QString m_dialogName;
    int m_dialogWidth = 0;
    QString m_lispFileName;
    TRetirementButton m_retirementButton = TRetirementButton::ok_cancel_help;
    TMethod m_onCaptionChange;

    TPanel *m_buttonBar;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    QPushButton *m_info;
    TLabel *m_errorLabel;
};

// Whether a control is a tile: its class name begins with "TDCL".
bool isTile(const QObject *control);

} // namespace tw
