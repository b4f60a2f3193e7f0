#include "tiles/TileAttributes.h"

#include "component/Control.h"

#include <QPainter>
#include <memory>

namespace tw
{

void TTileAttributes::keyFillIn(const TControl *tile, bool trimmed)
{
    const bool empty = trimmed ? m_key.trimmed().isEmpty() : m_key.isEmpty();
    if (empty)
        m_key = tile->name();
}

void applyInnerInset(QWidget *inner, int tileWidth, int tileHeight)
{
    QRect bounds = inner->geometry();
    if (tileWidth > 8) {
        bounds.moveLeft(4);
        bounds.setWidth(tileWidth - 8);
    }
    if (tileHeight > 8) {
        bounds.moveTop(4);
        bounds.setHeight(tileHeight - 8);
    }
    inner->setGeometry(bounds);
}

void captionFollowsName(TControl *control)
{
    auto previous = std::make_shared<QString>(control->name());
    QObject::connect(control, &QObject::objectNameChanged, control,
                     [control, previous](const QString &name) {
                         if (!control->isLoading() && control->caption() == *previous)
                             control->setCaption(name);
                         *previous = name;
                     });
}

void paintDesignFrame(QWidget *widget)
{
    QPainter painter(widget);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, widget->width() - 1, widget->height() - 1));
}

} // namespace tw
