#include "tiles/DclLabel.h"

#include "tiles/TileAttributes.h"

#include <QFontMetrics>

namespace tw
{

TDCLLabel::TDCLLabel(TOwner *owner) : TLabel(owner)
{
    setBounds(x(), y(), 65, 17);
    captionFollowsName(this);
    connect(this, &TControl::captionChanged, this, &TDCLLabel::adjustToCaption);
}

void TDCLLabel::resized()
{
    if (m_key.trimmed().isEmpty())
        m_key = name();
}

void TDCLLabel::fontChanged()
{
    TLabel::fontChanged();
    adjustToCaption();
}

void TDCLLabel::adjustToCaption()
{
    if (isLoading())
        return;
    const QFontMetrics metrics(font());
    const QSize text = metrics.size(0, caption().isEmpty() ? QStringLiteral(" ") : caption());
    int w = text.width();
    int h = text.height();
    if (align() == alTop || align() == alBottom || align() == alClient)
        w = width();
    if (align() == alLeft || align() == alRight || align() == alClient)
        h = height();
    setBounds(x(), y(), w, h);
}

} // namespace tw
