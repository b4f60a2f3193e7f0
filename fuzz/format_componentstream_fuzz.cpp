// Component stream reader on arbitrary bytes: it either reads records or
// throws TError; what it reads, written again, reads as the same text.
#include "format/ComponentStream.h"
#include "format/Error.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const QByteArray text = tw::componentStreamToText(bytes);
        const QByteArray rewritten = tw::writeComponentStream(tw::readComponentStream(bytes));
        if (tw::componentStreamToText(rewritten) != text)
            std::abort();
    } catch (const tw::TError &) {
    }
    return 0;
}
