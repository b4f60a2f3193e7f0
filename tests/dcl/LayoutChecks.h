#pragma once

#include "dcl/Layout.h"

#include <QStringList>

namespace tw::dcl
{

// What is wrong with a layout: a tile outside its parent or the dialog, or two siblings that
// overlap. Empty when the layout is sound.
inline void collectLayoutProblems(const PlacedTile &placed, QStringList &problems)
{
    auto name = [](const PlacedTile &tile) {
        const QString key = tile.tile->value(u"key");
        return tile.tile->kind +
               (key.isEmpty() ? QString() : QLatin1Char('"') + key + QLatin1Char('"'));
    };
    for (std::size_t i = 0; i < placed.children.size(); ++i) {
        const PlacedTile &child = placed.children[i];
        if (child.rect.width() < 0 || child.rect.height() < 0 ||
            (!child.rect.isEmpty() && !placed.rect.contains(child.rect)))
            problems << name(child) + QStringLiteral(" outside ") + name(placed);
        for (std::size_t j = i + 1; j < placed.children.size(); ++j)
            if (child.rect.intersects(placed.children[j].rect))
                problems << name(child) + QStringLiteral(" overlaps ") + name(placed.children[j]);
        collectLayoutProblems(child, problems);
    }
}

inline QStringList layoutProblems(const DialogLayout &layout)
{
    QStringList problems;
    if (layout.root.rect != QRect(QPoint(0, 0), layout.client))
        problems << QStringLiteral("the dialog is not the client area");
    collectLayoutProblems(layout.root, problems);
    return problems;
}

} // namespace tw::dcl
