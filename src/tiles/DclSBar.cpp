#include "tiles/DclSBar.h"

#include <QScrollBar>
#include <QStyle>

namespace tw
{
namespace
{

// Qt's page step also sizes the thumb, so it carries PageSize; the step of a
// click beside the thumb is kept beside it.
constexpr const char *kLargeChange = "dclLargeChange";

} // namespace

TDCLScrollBar::TDCLScrollBar(TOwner *owner) : TControl(owner)
{
    setTabstop(true);
    m_bar = new QScrollBar(Qt::Horizontal, this);
    m_bar->setAccessibleName(QStringLiteral("Slider"));
    m_bar->setRange(0, 100);
    m_bar->setSingleStep(1);
    m_bar->setPageStep(0);
    m_bar->setValue(0);
    setLargeChange(1);
    setBounds(x(), y(), 121, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

TScrollBarKind TDCLScrollBar::kind() const
{
    return m_bar->orientation() == Qt::Vertical ? sbVertical : sbHorizontal;
}

void TDCLScrollBar::setKind(TScrollBarKind value)
{
    if (value == kind())
        return;
    m_bar->setOrientation(value == sbVertical ? Qt::Vertical : Qt::Horizontal);
    if (!isLoading())
        setBounds(x(), y(), height(), width());
}

int TDCLScrollBar::largeChange() const
{
    return m_bar->property(kLargeChange).toInt();
}

void TDCLScrollBar::setLargeChange(int value)
{
    m_bar->setProperty(kLargeChange, value);
}

int TDCLScrollBar::max() const
{
    return m_bar->maximum();
}

void TDCLScrollBar::setMax(int value)
{
    m_bar->setMaximum(value);
}

int TDCLScrollBar::min() const
{
    return m_bar->minimum();
}

void TDCLScrollBar::setMin(int value)
{
    m_bar->setMinimum(value);
}

int TDCLScrollBar::pageSize() const
{
    return m_bar->pageStep();
}

void TDCLScrollBar::setPageSize(int value)
{
    m_bar->setPageStep(std::max(0, value));
}

int TDCLScrollBar::position() const
{
    return m_bar->value();
}

void TDCLScrollBar::setPosition(int value)
{
    m_bar->setValue(value);
}

int TDCLScrollBar::smallChange() const
{
    return m_bar->singleStep();
}

void TDCLScrollBar::setSmallChange(int value)
{
    m_bar->setSingleStep(value);
}

void TDCLScrollBar::resized()
{
    m_bar->setGeometry(rect());
    keyFillIn(this, true);
}

} // namespace tw
