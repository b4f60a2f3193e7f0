#include "app/PaletteTemplates.h"

#include "app/Resources.h"
#include "component/ComponentStreaming.h"
#include "format/TextForm.h"
#include "tiles/TileRegistry.h"

#include <QFile>

namespace tw
{

QList<TControl *> loadPaletteTemplates(TOwner *owner, TControl *panel)
{
    initAppResources();
    registerTileClasses();
    QFile file(QStringLiteral(":/templates.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readComponents(readTextForm(file.readAll()), owner, panel);
}

} // namespace tw
