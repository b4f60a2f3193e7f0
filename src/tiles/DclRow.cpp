#include "tiles/DclRow.h"

namespace tw
{

TDCLRow::TDCLRow(TOwner *owner) : TClusterPanel(owner, alTop, alLeft, QSize(185, 30))
{
}

} // namespace tw
