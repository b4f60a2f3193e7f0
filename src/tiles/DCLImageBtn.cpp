#include "tiles/DCLImageBtn.h"

namespace tw
{

TDCLImageBtn::TDCLImageBtn(TOwner *owner) : TImageTile(owner)
{
}

} // namespace tw
