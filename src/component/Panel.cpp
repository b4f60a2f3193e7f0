#include "component/Panel.h"

#include <QPainter>

namespace tw
{
namespace
{

constexpr int kBevelWidth = 1;

void drawBevel(QPainter &painter, QRect &rect, TBevelCut cut)
{
    if (cut == bvNone)
        return;
    if (cut != bvSpace) {
        const QColor light(Qt::white);
        const QColor dark(128, 128, 128);
        const QColor &topLeft = cut == bvRaised ? light : dark;
        const QColor &bottomRight = cut == bvRaised ? dark : light;
        painter.setPen(topLeft);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
    }
    rect.adjust(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
}

Qt::Alignment toQtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return Qt::AlignLeft;
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

QColor toQColor(TColor color)
{
    return QColor::fromRgb(colorToRgb(color));
}

} // namespace

TCustomPanel::TCustomPanel(TOwner *owner) : TControl(owner)
{
}

void TCustomPanel::setBevelInner(TBevelCut value)
{
    m_bevelInner = value;
    realign();
    update();
}

void TCustomPanel::setBevelOuter(TBevelCut value)
{
    m_bevelOuter = value;
    realign();
    update();
}

void TCustomPanel::setBorderWidth(int value)
{
    m_borderWidth = std::max(0, value);
    realign();
    update();
}

void TCustomPanel::setCaptionAlignment(TAlignment value)
{
    m_alignment = value;
    update();
}

QRect TCustomPanel::alignRect() const
{
    int inset = m_borderWidth;
    if (m_bevelOuter != bvNone)
        inset += kBevelWidth;
    if (m_bevelInner != bvNone)
        inset += kBevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TCustomPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area = rect();
    painter.fillRect(area, toQColor(color()));
    drawBevel(painter, area, m_bevelOuter);
    area.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawBevel(painter, area, m_bevelInner);
    painter.setPen(enabledProp() ? toQColor(tfont()->color()) : QColor(128, 128, 128));
    painter.drawText(area, int(toQtAlignment(m_alignment) | Qt::AlignVCenter), caption());
}

TLabel::TLabel(TOwner *owner) : TControl(owner)
{
    setAutoFillBackground(false);
}

void TLabel::setTextAlignment(TAlignment value)
{
    m_alignment = value;
    update();
}

void TLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(enabledProp() ? toQColor(tfont()->color()) : QColor(128, 128, 128));
    painter.drawText(rect(), int(toQtAlignment(m_alignment) | Qt::AlignTop), caption());
}

} // namespace tw
