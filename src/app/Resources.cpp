#include "app/Resources.h"

#include <QtGlobal>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(resources);
}

namespace tw
{

void initAppResources()
{
    initResourcesOutsideNamespace();
}

} // namespace tw
