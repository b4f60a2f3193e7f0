#pragma once

#include <fontconfig/fontconfig.h>

namespace tw
{

// The system's font configuration, loaded and with its fonts listed, or null
// where it cannot be loaded cleanly: no configuration file, one that does not
// parse, or one that names no cache folder. fontconfig's own start-up does
// the same, but also parses every configuration template that is available
// without being enabled, only to describe it to configuration tools. Nothing
// in Qt asks for those descriptions, and they are half the parsing that the
// first font costs. The caller owns the result.
FcConfig *loadSystemFontConfiguration();

// Makes the system's font configuration, loaded as above, the one every font
// comes from. Called before Qt uses its first font; where the configuration
// cannot be loaded cleanly, fontconfig is left to load it itself, with its own
// fallbacks and messages.
void installSystemFontConfiguration();

} // namespace tw
