#include "tiles/GroupBox.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace tw
{

TGroupBox::TGroupBox(TOwner *owner) : TControl(owner)
{
}

QRect TGroupBox::alignRect() const
{
    // The classic client area: below one line of caption text, 2 pixels in.
    QRect area = rect();
    area.setTop(area.top() + QFontMetrics(font()).height());
    return area.adjusted(2, 2, -2, -2);
}

void TGroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(colorToRgb(color())));
    QStyleOptionGroupBox option;
    option.initFrom(this);
    option.text = caption();
    option.textAlignment = Qt::AlignLeft;
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!caption().isEmpty())
        option.subControls |= QStyle::SC_GroupBoxLabel;
    if (!enabledProp())
        option.state &= ~QStyle::State_Enabled;
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

} // namespace tw
