// Feeds arbitrary bytes to the DCL library as a DCL file and lays out every dialog it defines;
// any crash, sanitizer report or hang is a finding, and so is a tile outside its parent or two
// siblings overlapping in a dialog of a sane size.
#include "../tests/dcl/LayoutChecks.h"
#include "dcl/Document.h"
#include "dcl/Layout.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Includes are looked for in a folder that does not exist, so no real file is read.
    const tw::dcl::Document document = tw::dcl::Document::fromText(
        tw::dcl::decodeDclBytes(bytes), QStringLiteral("/nonexistent-tilewright-fuzz/f.dcl"));
    tw::dcl::LayoutFont font;
    font.unitWidth = 7;
    font.unitHeight = 15;
    for (const tw::dcl::Tile *dialog : document.dialogs()) {
        const tw::dcl::DialogLayout layout = tw::dcl::layoutDialog(*dialog, font);
        const bool sane = layout.client.width() < (1 << 23) && layout.client.height() < (1 << 23);
        if (sane && !tw::dcl::layoutProblems(layout).isEmpty())
            std::abort();
    }
    return 0;
}
