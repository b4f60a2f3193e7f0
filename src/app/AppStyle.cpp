#include "app/AppStyle.h"

#include "app/Glyphs.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tw
{

TAppStyle::TAppStyle(QStyle *base) : QProxyStyle(base)
{
}

QIcon TAppStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                              const QWidget *widget) const
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton: {
        const Qt::LayoutDirection direction =
            widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
        return glyphIcon(direction == Qt::RightToLeft ? TGlyph::MoreLeft : TGlyph::MoreRight);
    }
    case SP_ToolBarVerticalExtensionButton:
        return glyphIcon(TGlyph::MoreDown);
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}

// The part of `area` that this paint can change, in the painter's
// coordinates: a widget repainting a small region clips to it.
static QRect changeableArea(const QPainter &painter, const QRect &area)
{
    QRect changeable = area;
    if (const QPaintEngine *engine = painter.paintEngine();
        engine && !engine->systemClip().isEmpty())
        changeable &= painter.deviceTransform()
                          .inverted()
                          .mapRect(engine->systemClip().boundingRect())
                          .adjusted(-1, -1, 1, 1);
    if (painter.hasClipping())
        changeable &= painter.clipBoundingRect().toAlignedRect();
    return changeable;
}

void TAppStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    if (element != CE_ToolBar) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // A tool bar's edge lines run its whole length. Qt's raster engine draws
    // a thin line pixel by pixel and, past 96 device pixels, hands the pixels
    // to worker threads and waits for them, which takes longer than drawing
    // them. Drawn in short strips, the picture is the same and stays on this
    // thread.
    const QTransform toDevice = painter->deviceTransform();
    const qreal scale = std::max(std::hypot(toDevice.m11(), toDevice.m12()),
                                 std::hypot(toDevice.m21(), toDevice.m22()));
    const int strip = scale > 0 ? std::max(8, int(64 / scale)) : 64;
    const QRect area = changeableArea(*painter, option->rect);
    const bool alongX = option->rect.width() >= option->rect.height();
    const int length = alongX ? area.width() : area.height();
    for (int at = 0; at < length; at += strip) {
        const QRect part = alongX ? QRect(area.left() + at, area.top(), strip, area.height())
                                  : QRect(area.left(), area.top() + at, area.width(), strip);
        painter->save();
        painter->setClipRect(part & area, Qt::IntersectClip);
        QProxyStyle::drawControl(element, option, painter, widget);
        painter->restore();
    }
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tilewright"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    // Wraps the style chosen by the platform, the user's settings or -style.
    // A style sheet given with -stylesheet already wraps that style and owns
    // it, so then the style is left as it is.
    if (qApp->styleSheet().isEmpty())
        QApplication::setStyle(new TAppStyle(QApplication::style()));
}

} // namespace tw
