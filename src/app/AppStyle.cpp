#include "app/AppStyle.h"

#include "app/Glyphs.h"

#include <QApplication>
#include <QWidget>

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
