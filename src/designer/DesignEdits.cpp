#include "designer/DesignEdits.h"

#include "component/Control.h"

namespace tw
{

TDesignEdits &TDesignEdits::direct()
{
    static TDesignEdits edits;
    return edits;
}

void TDesignEdits::beginEdit(const TEditScope &)
{
}

void TDesignEdits::endEdit(const QString &, int)
{
}

void TDesignEdits::placeTiles(const QList<std::pair<TControl *, QRect>> &placements,
                              const QString &text, int mergeKey)
{
    TEditGuard edit(this, {});
    edit.setText(text, mergeKey);
    for (const auto &[tile, bounds] : placements)
        tile->setBounds(bounds);
}

void TDesignEdits::moveTiles(const QList<TControl *> &tiles, QPoint offset, int mergeKey)
{
    QList<std::pair<TControl *, QRect>> placements;
    for (TControl *tile : tiles)
        placements.append({tile, tile->geometry().translated(offset)});
    placeTiles(placements, tilesText(QStringLiteral("Move"), int(tiles.size())), mergeKey);
}

void TDesignEdits::resizeTile(TControl *tile, const QRect &bounds)
{
    placeTiles({{tile, bounds}}, QStringLiteral("Resize Tile"));
}

} // namespace tw
