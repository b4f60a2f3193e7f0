#pragma once

namespace tw
{

// Links the program's resources (guide, palette templates), which live
// in a static library and would otherwise be dropped by the linker.
void initAppResources();

} // namespace tw
