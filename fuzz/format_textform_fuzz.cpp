// Text-form reader on arbitrary bytes: it either parses or throws TError, and
// whatever it parses writes out and reads back to the same text.
#include "format/Error.h"
#include "format/TextForm.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const QByteArray written = tw::writeTextForm(tw::readTextForm(text));
        if (tw::writeTextForm(tw::readTextForm(written)) != written)
            std::abort();
    } catch (const tw::TError &) {
    }
    return 0;
}
