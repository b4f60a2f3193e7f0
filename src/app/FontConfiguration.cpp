#include "app/FontConfiguration.h"

namespace tw
{

namespace
{

bool namesCacheFolder(FcConfig *config)
{
    FcStrList *folders = FcConfigGetCacheDirs(config);
    if (!folders)
        return false;
    const bool named = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return named;
}

} // namespace

FcConfig *loadSystemFontConfiguration()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return nullptr;
    // Without a cache folder every font file would be read at each start;
    // fontconfig's own start-up then falls back to a folder of its choosing.
    if (!FcConfigParseAndLoad(config, nullptr, FcTrue) || !namesCacheFolder(config) ||
        !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

void installSystemFontConfiguration()
{
    FcConfig *config = loadSystemFontConfiguration();
    if (!config)
        return;
    // The reference is kept for the life of the program: older fontconfig
    // releases take none of their own for the current configuration.
    if (!FcConfigSetCurrent(config))
        FcConfigDestroy(config);
}

} // namespace tw
