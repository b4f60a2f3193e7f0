#include "designer/DsnClipboard.h"

#include <QtEndian>

namespace tw
{

QString dsnClipboardMimeType()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"Dsn_ClipboardFormat\"");
}

QByteArray encodeClipboardBlock(const QByteArray &stream)
{
    QByteArray block(4, '\0');
    qToLittleEndian<quint32>(quint32(stream.size()), block.data());
    return block + stream;
}

std::optional<QByteArray> decodeClipboardBlock(const QByteArray &block)
{
    if (block.size() < 4)
        return std::nullopt;
    const quint32 length = qFromLittleEndian<quint32>(block.constData());
    if (length > quint32(block.size() - 4))
        return std::nullopt;
    return block.mid(4, qsizetype(length));
}

} // namespace tw
