#pragma once

#include "component/Panel.h"

namespace tw
{

// The stock group box: a frame with its caption set into the top edge, drawn
// by the current style. Children are docked inside the frame, below the
// caption's line.
class TGroupBox : public TControl
{
    Q_OBJECT
    Q_CLASSINFO("idents:Color", "TColor")
    Q_CLASSINFO("default:Align", "alNone")
    Q_CLASSINFO("default:Color", "clBtnFace")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:ParentFont", "True")
    Q_CLASSINFO("default:TabOrder", "-1")
    Q_CLASSINFO("default:Visible", "True")
    Q_PROPERTY(tw::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(bool Enabled READ enabledProp WRITE setEnabledProp)
    Q_PROPERTY(tw::TFont *Font READ tfont WRITE setTFont)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool Visible READ visibleProp WRITE setVisibleProp)

public:
    explicit TGroupBox(TOwner *owner);

    QRect alignRect() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tw
