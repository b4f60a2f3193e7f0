#include "tiles/DCLImageBtn.h"

namespace tw
{

TDCLImageBtn::TDCLImageBtn(TOwner *owner) : TImageTile(owner)
{
    setAccessibleName(QStringLiteral("Image button tile"));
}

} // namespace tw
