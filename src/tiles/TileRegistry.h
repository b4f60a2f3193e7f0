#pragma once

namespace tw
{

// Registers every tile class for creation by class name. Safe to call often.
void registerTileClasses();

} // namespace tw
