#include "tiles/GroupCluster.h"

#include "tiles/DCLPanel.h"
#include "tiles/RadioGroup.h"

namespace tw
{

TGroupCluster::TGroupCluster(TOwner *owner, TAlign ownEdge, TAlign childEdge, QSize size)
    : TGroupBox(owner), m_childEdge(childEdge)
{
    setTabstop(true);
    captionFollowsName(this);
    setBounds(x(), y(), size.width(), size.height());
    setAlign(ownEdge);
}

void TGroupCluster::radioChecked(TControl *sender, bool checked)
{
    applyRadioExclusivity(this, sender, checked);
}

void TGroupCluster::controlListChange(TControl *child, bool inserted)
{
    if (inserted && isTile(child))
        child->setAlign(m_childEdge);
}

void TGroupCluster::resized()
{
    keyFillIn(this, true);
}

} // namespace tw
