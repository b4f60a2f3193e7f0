#include "tiles/TileRegistry.h"

#include "component/ClassRegistry.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLCheck.h"
#include "tiles/DCLEditLabel.h"
#include "tiles/DCLImage.h"
#include "tiles/DCLImageBtn.h"
#include "tiles/DCLListLabel.h"
#include "tiles/DCLPanel.h"
#include "tiles/DCLRadio.h"
#include "tiles/DclColumn.h"
#include "tiles/DclGroupColumn.h"
#include "tiles/DclGroupRow.h"
#include "tiles/DclLabel.h"
#include "tiles/DclLabelCombo.h"
#include "tiles/DclRow.h"
#include "tiles/DclSBar.h"
#include "tiles/DclSpacer.h"

namespace tw
{

void registerTileClasses()
{
    ClassRegistry &registry = ClassRegistry::instance();
    registry.registerClass<TDCLPanel>();
    registry.registerClass<TDCLButton>();
    registry.registerClass<TDCLEdit>();
    registry.registerClass<TDCLCheckButton>();
    registry.registerClass<TDCLRadio>();
    registry.registerClass<TDCLLabel>();
    registry.registerClass<TDCLColumn>();
    registry.registerClass<TDCLRow>();
    registry.registerClass<TDCLGroupColumn>();
    registry.registerClass<TDCLGroupRow>();
    registry.registerClass<TDCLSpacer>();
    registry.registerClass<TDCLCombo>();
    registry.registerClass<TDCLListLabel>();
    registry.registerClass<TDCLScrollBar>();
    registry.registerClass<TDCLImage>();
    registry.registerClass<TDCLImageBtn>();
}

} // namespace tw
