#include "tiles/ClusterPanel.h"

#include "tiles/DCLPanel.h"
#include "tiles/RadioGroup.h"

namespace tw
{

TClusterPanel::TClusterPanel(TOwner *owner, TAlign ownEdge, TAlign childEdge, QSize size)
    : TPanel(owner), m_childEdge(childEdge)
{
    setBevelOuter(bvNone);
    setBorderWidth(4);
    setCaption(QStringLiteral(" "));
    setTabstop(true);
    setBounds(x(), y(), size.width(), size.height());
    setAlign(ownEdge);
}

void TClusterPanel::setDclDesign(bool value)
{
    m_dclDesign = value;
    update();
}

void TClusterPanel::radioChecked(TControl *sender, bool checked)
{
    applyRadioExclusivity(this, sender, checked);
}

void TClusterPanel::controlListChange(TControl *child, bool inserted)
{
    if (inserted && isTile(child))
        child->setAlign(m_childEdge);
}

void TClusterPanel::resized()
{
    keyFillIn(this, true);
}

void TClusterPanel::paintEvent(QPaintEvent *event)
{
    TPanel::paintEvent(event);
    if (m_dclDesign)
        paintDesignFrame(this);
}

} // namespace tw
