#include "designer/Outline.h"

#include "format/Idents.h"

#include <QPainter>

namespace tw
{

TOutlineOverlay::TOutlineOverlay(QWidget *stage)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Drag outlines"));
    // Parented only once built, so the stage sees a finished overlay arrive.
    setParent(stage);
    setGeometry(stage->rect());
    show();
}

QList<TOutlineOverlay::Item> TOutlineOverlay::items() const
{
    QList<Item> result;
    for (const TMultiShape *shape : m_shapes)
        for (const TFundamentalShape &part : shape->shapes())
            if (part.state == TFundamentalShape::Drawn)
                result.append({part.shown, shape->color(), shape->penWidth(), shape->style()});
    return result;
}

void TOutlineOverlay::attach(TMultiShape *shape)
{
    if (!m_shapes.contains(shape))
        m_shapes.append(shape);
}

void TOutlineOverlay::detach(TMultiShape *shape)
{
    m_shapes.removeAll(shape);
    update();
}

void TOutlineOverlay::shapeChanged()
{
    if (QWidget *stage = parentWidget())
        if (geometry() != stage->rect())
            setGeometry(stage->rect());
    raise();
    update();
}

void TOutlineOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Item &item : items()) {
        QPen pen{QColor::fromRgb(QRgb(0xFF000000u | colorToRgb(item.color)))};
        pen.setWidth(item.penWidth);
        pen.setStyle(item.style);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.rect.normalized());
    }
}

TMultiShape::TMultiShape(TOutlineOverlay *overlay, QPoint origin, int color, int penWidth,
                         Qt::PenStyle style)
    : m_overlay(overlay), m_origin(origin), m_color(color), m_penWidth(penWidth), m_style(style)
{
    if (m_overlay)
        m_overlay->attach(this);
}

TMultiShape::~TMultiShape()
{
    if (m_overlay)
        m_overlay->detach(this);
}

void TMultiShape::addRect(const QRect &stageRect)
{
    TFundamentalShape shape;
    shape.offset = stageRect.topLeft() - m_origin;
    shape.width = stageRect.width();
    shape.height = stageRect.height();
    m_shapes.append(shape);
}

void TMultiShape::startSingle()
{
    m_shapes.clear();
    m_shapes.append(TFundamentalShape{});
}

void TMultiShape::setSingleWidth(int width)
{
    if (!m_shapes.isEmpty())
        m_shapes.first().width = width;
}

void TMultiShape::setSingleHeight(int height)
{
    if (!m_shapes.isEmpty())
        m_shapes.first().height = height;
}

void TMultiShape::setSingleRect(const QRect &relative)
{
    if (m_shapes.isEmpty())
        m_shapes.append(TFundamentalShape{});
    TFundamentalShape &shape = m_shapes.first();
    shape.offset = relative.topLeft();
    shape.width = relative.width();
    shape.height = relative.height();
}

void TMultiShape::drawAt(QPoint origin)
{
    m_origin = origin;
    for (TFundamentalShape &shape : m_shapes) {
        if (shape.state == TFundamentalShape::Finished)
            continue;
        shape.shown = QRect(m_origin + shape.offset, QSize(shape.width, shape.height));
        shape.state = TFundamentalShape::Drawn;
    }
    if (m_overlay)
        m_overlay->shapeChanged();
}

void TMultiShape::finish()
{
    for (TFundamentalShape &shape : m_shapes)
        shape.state = TFundamentalShape::Finished;
    if (m_overlay)
        m_overlay->shapeChanged();
}

} // namespace tw
