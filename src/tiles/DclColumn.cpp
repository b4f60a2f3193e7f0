#include "tiles/DclColumn.h"

namespace tw
{

TDCLColumn::TDCLColumn(TOwner *owner) : TClusterPanel(owner, alLeft, alTop, QSize(100, 41))
{
}

} // namespace tw
