// TMoxStreams::LoadFromStream on arbitrary bytes, once without a key and once with one:
// it either loads or raises TError (after OnCorrupt). What loads saves and loads
// again to the same entries.
#include "format/MoxStreams.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace
{

void load(const QByteArray &bytes, const QString &key)
{
    tw::TMoxStreams c;
    c.setKey(key);
    int fired = 0;
    c.OnCorrupt = [&fired](QObject *) { ++fired; };
    QByteArray copy = bytes;
    QBuffer source(&copy);
    source.open(QIODevice::ReadOnly);
    try {
        c.LoadFromStream(source);
    } catch (const tw::TError &error) {
        if (fired != 1 || error.kind() != tw::TErrorKind::Format)
            std::abort();
        return;
    }
    tw::TMoxStreams again;
    again.setKey(c.Key());
    c.setCompressed(false); // keep the re-save cheap
    again.LoadFromBytes(c.SaveToBytes());
    if (again.Names() != c.Names())
        std::abort();
    for (const QString &name : c.Names())
        if (again.StreamData(name) != c.StreamData(name))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    load(bytes, QString());
    load(bytes, QStringLiteral("fuzz key"));
    return 0;
}
