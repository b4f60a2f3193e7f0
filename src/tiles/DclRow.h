#pragma once

#include "tiles/ClusterPanel.h"

namespace tw
{

// The row tile (DCL row): docked to the top of its parent unless the parent
// is a tile container, it lines the tiles inserted into it up from the left,
// each as high as its client area.
class TDCLRow : public TClusterPanel
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit TDCLRow(TOwner *owner);
};

} // namespace tw
