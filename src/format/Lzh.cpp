#include "format/Lzh.h"

#include "format/LzhFormat.h"

#include <vector>

namespace tw
{
namespace
{

void writeAll(QIODevice &dest, const char *data, qint64 size)
{
    if (size > 0 && dest.write(data, size) != size)
        throw TError(QString::fromLatin1(kStreamWriteError), TErrorKind::File);
}

std::vector<std::uint8_t> compress(QByteArrayView data)
{
    if (data.size() > kLzhMaxLength)
        throw TError(QString::fromLatin1(kStreamTooLarge), TErrorKind::Limit);
    std::vector<std::uint8_t> out;
    out.reserve(std::size_t(data.size()) / 2 + 64);
    lzh::encode(reinterpret_cast<const std::uint8_t *>(data.data()), std::size_t(data.size()), out);
    return out;
}

} // namespace

void CompressStream(QIODevice &source, QIODevice &dest)
{
    const QByteArray data = source.readAll();
    const std::vector<std::uint8_t> out = compress(data);
    writeAll(dest, reinterpret_cast<const char *>(out.data()), qint64(out.size()));
}

void DecompressStream(QIODevice &source, QIODevice &dest)
{
    const QByteArray data = source.readAll();
    lzh::decode(reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size()),
                [&dest](const std::uint8_t *piece, std::size_t size) {
                    writeAll(dest, reinterpret_cast<const char *>(piece), qint64(size));
                });
}

QByteArray CompressBytes(QByteArrayView data)
{
    const std::vector<std::uint8_t> out = compress(data);
    return QByteArray(reinterpret_cast<const char *>(out.data()), qsizetype(out.size()));
}

QByteArray DecompressBytes(QByteArrayView compressed)
{
    QByteArray out;
    lzh::decode(reinterpret_cast<const std::uint8_t *>(compressed.data()),
                std::size_t(compressed.size()),
                [&out](const std::uint8_t *piece, std::size_t size) {
                    out.append(reinterpret_cast<const char *>(piece), qsizetype(size));
                });
    return out;
}

} // namespace tw
