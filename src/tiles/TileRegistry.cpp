#include "tiles/TileRegistry.h"

#include "component/ClassRegistry.h"
#include "tiles/DCLPanel.h"

namespace tw {

void registerTileClasses()
{
    ClassRegistry &registry = ClassRegistry::instance();
    registry.registerClass<TDCLPanel>();
}

} // namespace tw
