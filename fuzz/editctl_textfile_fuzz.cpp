// Decoding any file bytes and writing them back: no crash, and the text the
// editor would hold survives a save and a new read unchanged.
#include "editctl/TextFile.h"

#include <cstdint>
#include <cstdlib>

namespace
{

QByteArray WithLfOnly(const QByteArray &text)
{
    return QByteArray(text).replace("\r\n", "\n").replace('\r', '\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const tw::TDecodedText first = tw::DecodeText(bytes);
    tw::TTextFileFormat format = first.Format;
    const QByteArray written = tw::EncodeText(first.Utf8, format);
    const tw::TDecodedText second = tw::DecodeText(written);
    if (WithLfOnly(second.Utf8) != WithLfOnly(first.Utf8))
        std::abort();
    if (format == first.Format && second.Format.Encoding != first.Format.Encoding)
        std::abort();
    return 0;
}
