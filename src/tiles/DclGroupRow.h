#pragma once

#include "tiles/GroupCluster.h"

namespace tw
{

// The boxed row tile (DCL boxed_row, or boxed_radio_row when IsRadioGroup is
// set): docked to the top of its parent unless the parent is a tile
// container, it lines the tiles inserted into it up from the left. Its key
// starts as "grp_", so a boxed row given no other key keeps that one.
class TDCLGroupRow : public TGroupCluster
{
    Q_OBJECT
    Q_CLASSINFO("default:Height", "50")

public:
    Q_INVOKABLE explicit TDCLGroupRow(TOwner *owner);
};

} // namespace tw
