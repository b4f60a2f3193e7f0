#include "tiles/DCLImage.h"

#include "slide/BackColor.h"
#include "slide/SlideImage.h"

#include <exception>

namespace tw
{

TImageTile::TImageTile(TOwner *owner) : TPanel(owner)
{
    setBevelInner(bvRaised);
    setBevelOuter(bvLowered);
    m_display = new TSlideImage(this);
    m_display->setAccessibleName(QStringLiteral("Slide preview"));
    m_display->setGeometry(4, 4, 181, 85);
    m_display->SetBackColor(BackColorPreview(int(m_backColor)));
    // Sizing runs the resize handler, hence the inset.
    setBounds(x(), y(), 100, 60);
}

void TImageTile::setBackColor(TBackColor value)
{
    m_backColor = value;
    m_display->SetBackColor(BackColorPreview(int(value)));
}

bool TImageTile::displayEnabled() const
{
    return m_display->isEnabledTo(this);
}

void TImageTile::setDisplayEnabled(bool value)
{
    m_display->setEnabled(value);
}

void TImageTile::setImage(const QString &value)
{
    // The display shows nothing for a file it cannot read; the name stays.
    m_display->SetPictureFile(value);
    m_image = value;
    // A library opens on the slide the tile names, whichever was set first.
    m_display->SetSlideNo(m_slideNo);
}

void TImageTile::setSlideNo(int value)
{
    m_slideNo = value;
    m_display->SetSlideNo(value);
}

QString TImageTile::slideName() const
{
    return m_display->SlideName();
}

void TImageTile::resized()
{
    keyFillIn(this, true);
    applyInnerInset(m_display, width(), height());
}

void TImageTile::loaded()
{
    applyInnerInset(m_display, width(), height());
}

TDCLImage::TDCLImage(TOwner *owner) : TImageTile(owner)
{
}

} // namespace tw
