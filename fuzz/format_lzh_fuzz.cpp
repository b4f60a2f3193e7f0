// DecompressStream on arbitrary bytes: it either produces exactly the length in the
// header or raises TError. The input, compressed, must also expand to itself.
#include "format/Lzh.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace
{

// Counts what it is given and keeps nothing, so a large stated length costs no memory.
class CountingSink : public QIODevice
{
public:
    qint64 total = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 len) override
    {
        if (len > 8192)
            std::abort();
        total += len;
        return len;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);
    CountingSink sink;
    sink.open(QIODevice::WriteOnly);
    try {
        tw::DecompressStream(source, sink);
        const qint64 stated =
            size < 4
                ? -1
                : qint64(data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t(data[3]) << 24);
        if (sink.total != stated)
            std::abort();
    } catch (const tw::TError &error) {
        if (error.kind() != tw::TErrorKind::Format)
            std::abort();
    }
    if (size <= 65536 && tw::DecompressBytes(tw::CompressBytes(bytes)) != bytes)
        std::abort();
    return 0;
}
