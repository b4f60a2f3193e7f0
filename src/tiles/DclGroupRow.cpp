#include "tiles/DclGroupRow.h"

namespace tw
{

TDCLGroupRow::TDCLGroupRow(TOwner *owner) : TGroupCluster(owner, alTop, alLeft, QSize(185, 50))
{
    setKey(QStringLiteral("grp_"));
}

} // namespace tw
