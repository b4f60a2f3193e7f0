#include "designer/DsnClipboard.h"
#include "format/ComponentStream.h"
#include "format/Error.h"

#include <cstddef>
#include <cstdint>

// Clipboard blocks come from other programs: the length prefix and the
// stream behind it must never be trusted.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray block(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QByteArray> stream = tw::decodeClipboardBlock(block);
    if (!stream)
        return 0;
    if (stream->size() > block.size() - 4)
        __builtin_trap();
    try {
        tw::readComponentStream(*stream);
    } catch (const tw::TError &) {
    }
    return 0;
}
