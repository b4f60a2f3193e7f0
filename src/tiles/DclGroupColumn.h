#pragma once

#include "tiles/GroupCluster.h"

namespace tw
{

// The boxed column tile (DCL boxed_column, or boxed_radio_column when
// IsRadioGroup is set): docked to the left of its parent unless the parent is
// a tile container, it stacks the tiles inserted into it from the top.
class TDCLGroupColumn : public TGroupCluster
{
    Q_OBJECT
    Q_CLASSINFO("default:Width", "150")

public:
    Q_INVOKABLE explicit TDCLGroupColumn(TOwner *owner);
};

} // namespace tw
