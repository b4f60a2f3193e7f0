#pragma once

#include "component/Panel.h"

#include <QIcon>
#include <QPointer>

namespace tw
{

class TCustomCmpPlt;

// A flat toggle button of the palette. Buttons of one group index are
// exclusive: pressing one releases the others. Its glyph shows above the
// caption, or alone, centred, when the palette hides captions; the caption is
// then still its tooltip and accessible name.
class TPaletteButton : public TControl
{
    Q_OBJECT
    Q_CLASSINFO("default:GroupIndex", "2301")
    Q_CLASSINFO("default:Down", "False")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Down READ isDown WRITE setDown)
    Q_PROPERTY(int GroupIndex READ groupIndex WRITE setGroupIndex)

public:
    explicit TPaletteButton(TOwner *owner);

    bool isDown() const { return m_down; }
    // Pressing releases the other buttons of the group.
    void setDown(bool value);
    // A click: down, and the palette told, when the button is enabled.
    void press();
    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int value) { m_groupIndex = value; }
    TCustomCmpPlt *palette() const;
    QIcon glyph() const { return m_glyph; }
    void setGlyph(const QIcon &glyph);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A click that leaves the button down.
    virtual void clickedDown() = 0;

private:
    bool m_down = false;
    int m_groupIndex = 2301;
    QIcon m_glyph;
};

// The palette's "select without creating" button; clicking it while it is
// down leaves it down, so one button of the group is always down.
class TArrowButton : public TPaletteButton
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit TArrowButton(TOwner *owner);

protected:
    void clickedDown() override;
};

// A palette button naming its template: the component `GeneName` of the
// palette's owner.
class TDsnButton : public TPaletteButton
{
    Q_OBJECT
    Q_PROPERTY(QString GeneName READ geneName WRITE setGeneName)

public:
    Q_INVOKABLE explicit TDsnButton(TOwner *owner);

    QString geneName() const { return m_geneName; }
    // At most 255 characters are kept.
    void setGeneName(const QString &value) { m_geneName = value.left(255); }

protected:
    void clickedDown() override;
    void loaded() override;

private:
    QString m_geneName;
};

// The component palette: an arrow button and template buttons. It tells the
// controller which template to copy; none while the arrow is down.
class TCustomCmpPlt : public TCustomPanel
{
    Q_OBJECT
    Q_CLASSINFO("default:BtnWidth", "90")
    Q_CLASSINFO("default:BtnHeight", "50")
    Q_CLASSINFO("default:BtnCaption", "True")
    Q_PROPERTY(int BtnWidth READ btnWidth WRITE setBtnWidth)
    Q_PROPERTY(int BtnHeight READ btnHeight WRITE setBtnHeight)
    Q_PROPERTY(bool BtnCaption READ btnCaption WRITE setBtnCaption)

public:
    explicit TCustomCmpPlt(TOwner *owner);

    int btnWidth() const { return m_btnWidth; }
    void setBtnWidth(int value) { m_btnWidth = value; }
    int btnHeight() const { return m_btnHeight; }
    void setBtnHeight(int value) { m_btnHeight = value; }
    bool btnCaption() const { return m_btnCaption; }
    void setBtnCaption(bool value) { m_btnCaption = value; }

    TArrowButton *arrowButton() const { return m_arrow; }
    QList<TDsnButton *> buttons() const;
    bool isEnabledForDesign() const { return m_enabled; }

    // On: presses and enables the arrow and enables every button; off:
    // disables them all and forgets the chosen template.
    void enable(bool on);
    TControl *selectedTemplate() const { return m_template; }
    // Back to the arrow, no template (after each creation).
    void reset();
    // The template a button names, or null.
    TControl *templateOf(const TDsnButton *button) const;

    void registerButton(TDsnButton *button);
    void arrowClicked();
    void buttonClicked(TDsnButton *button);

protected:
    void controlListChange(TControl *child, bool inserted) override;

private:
    QPointer<TArrowButton> m_arrow;
    QList<QPointer<TDsnButton>> m_buttons;
    QPointer<TControl> m_template;
    bool m_enabled = false;
    int m_btnWidth = 90;
    int m_btnHeight = 50;
    bool m_btnCaption = true;
};

class TDsnPanel : public TCustomCmpPlt
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit TDsnPanel(TOwner *owner) : TCustomCmpPlt(owner) {}
};

} // namespace tw
