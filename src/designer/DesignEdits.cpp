#include "designer/DesignEdits.h"

#include "component/ClassRegistry.h"
#include "component/Control.h"
#include "component/Owner.h"

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

TControl *TDesignEdits::createTile(const ComponentRecord &record, TOwner *owner, TControl *parent,
                                   const QRect &bounds, const ReadHooks &hooks)
{
    TEditScope scope;
    scope.creates = true;
    TEditGuard edit(this, scope);
    // Docking waits for the drawn bounds: docked at the template's place first,
    // the new tile would push its siblings aside and land out of drawing order.
    struct AlignPause {
        TControl *container;
        ~AlignPause() { container->enableAlign(); }
    };
    parent->disableAlign();
    const AlignPause pause{parent};
    TControl *created = readComponents({record}, owner, parent, hooks).value(0);
    if (created) {
        created->setName(owner->freeName(className(created)));
        created->setBounds(bounds);
        edit.setText(createText(created));
    }
    return created;
}

QString createText(const QObject *tile)
{
    return QStringLiteral("Create ") + className(tile).mid(1);
}

} // namespace tw
