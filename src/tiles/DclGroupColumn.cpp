#include "tiles/DclGroupColumn.h"

namespace tw
{

TDCLGroupColumn::TDCLGroupColumn(TOwner *owner)
    : TGroupCluster(owner, alLeft, alTop, QSize(150, 105))
{
}

} // namespace tw
