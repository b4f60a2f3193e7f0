#pragma once

#include "tiles/ClusterPanel.h"

namespace tw
{

// The column tile (DCL column): docked to the left of its parent unless the
// parent is a tile container, it stacks the tiles inserted into it from the
// top, each as wide as its client area.
class TDCLColumn : public TClusterPanel
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit TDCLColumn(TOwner *owner);
};

} // namespace tw
