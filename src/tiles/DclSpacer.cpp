#include "tiles/DclSpacer.h"

#include "tiles/TileAttributes.h"

namespace tw
{

TDCLSpacer::TDCLSpacer(TOwner *owner) : TPanel(owner)
{
    setBevelOuter(bvNone);
    setCaption(QStringLiteral(" "));
    setBounds(x(), y(), 20, 20);
    setAlign(alLeft);
}

void TDCLSpacer::paintEvent(QPaintEvent *event)
{
    TPanel::paintEvent(event);
    if (m_dclDesign)
        paintDesignFrame(this);
}

} // namespace tw
