#pragma once

#include "component/Control.h"

namespace tw
{

// A panel: a raised bevel by default, an optional inner bevel and border, and
// its caption drawn in the middle. Publishes only what TControl publishes;
// TPanel publishes the rest.
class TCustomPanel : public TControl
{
    Q_OBJECT

public:
    explicit TCustomPanel(TOwner *owner);

    TBevelCut bevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut value);
    TBevelCut bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut value);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int value);
    TAlignment captionAlignment() const { return m_alignment; }
    void setCaptionAlignment(TAlignment value);

    QRect alignRect() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_borderWidth = 0;
    TAlignment m_alignment = taCenter;
};

// The stock panel with its published properties.
class TPanel : public TCustomPanel
{
    Q_OBJECT
    Q_CLASSINFO("idents:Color", "TColor")
    Q_CLASSINFO("default:Align", "alNone")
    Q_CLASSINFO("default:Alignment", "taCenter")
    Q_CLASSINFO("default:BevelInner", "bvNone")
    Q_CLASSINFO("default:BevelOuter", "bvRaised")
    Q_CLASSINFO("default:BorderWidth", "0")
    Q_CLASSINFO("default:Color", "clBtnFace")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:ParentFont", "True")
    Q_CLASSINFO("default:TabOrder", "-1")
    Q_CLASSINFO("default:Visible", "True")
    Q_PROPERTY(tw::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(tw::TAlignment Alignment READ captionAlignment WRITE setCaptionAlignment)
    Q_PROPERTY(tw::TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(tw::TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(bool Enabled READ enabledProp WRITE setEnabledProp)
    Q_PROPERTY(tw::TFont *Font READ tfont WRITE setTFont)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool Visible READ visibleProp WRITE setVisibleProp)

public:
    explicit TPanel(TOwner *owner) : TCustomPanel(owner) {}
};

// A text label that can be docked: its caption drawn with its alignment.
class TLabel : public TControl
{
    Q_OBJECT
    Q_CLASSINFO("idents:Color", "TColor")
    Q_CLASSINFO("default:Align", "alNone")
    Q_CLASSINFO("default:Alignment", "taLeftJustify")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:ParentFont", "True")
    Q_CLASSINFO("default:Visible", "True")
    Q_PROPERTY(tw::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(tw::TAlignment Alignment READ textAlignment WRITE setTextAlignment)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(bool Enabled READ enabledProp WRITE setEnabledProp)
    Q_PROPERTY(tw::TFont *Font READ tfont WRITE setTFont)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(bool Visible READ visibleProp WRITE setVisibleProp)

public:
    explicit TLabel(TOwner *owner);

    TAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(TAlignment value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TAlignment m_alignment = taLeftJustify;
};

} // namespace tw
