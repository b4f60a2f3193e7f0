#include "slide/BackColor.h"

namespace tw
{

namespace
{

struct NamedColour {
    const char *name;
    int r, g, b;
};

constexpr NamedColour kBackColors[] = {
    {"black", 0, 0, 0},
    {"red", 255, 0, 0},
    {"yellow", 255, 255, 0},
    {"green", 0, 128, 0},
    {"cyan", 0, 255, 255},
    {"blue", 0, 0, 255},
    {"magenta", 255, 0, 255},
    {"white", 255, 255, 255},
    {"graphics_foreground", 0, 0, 0},
    {"dialog_line", 0, 0, 0},
    {"dialog_foreground", 0, 0, 0},
    {"dialog_background", 0, 0, 0},
    {"graphics_background", 0, 0, 0},
};

constexpr int kBackColorCount = static_cast<int>(std::size(kBackColors));

} // namespace

const QStringList &BackColorNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const NamedColour &colour : kBackColors)
            list << QString::fromLatin1(colour.name);
        return list;
    }();
    return names;
}

QColor BackColorPreview(int ordinal)
{
    if (ordinal < 0 || ordinal >= kBackColorCount)
        return QColor(0, 0, 0);
    const NamedColour &c = kBackColors[ordinal];
    return QColor(c.r, c.g, c.b);
}

std::optional<QColor> BackColorPreviewByName(const QString &name)
{
    const int ordinal = static_cast<int>(BackColorNames().indexOf(name));
    if (ordinal < 0)
        return std::nullopt;
    return BackColorPreview(ordinal);
}

} // namespace tw
