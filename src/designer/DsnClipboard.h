#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tw
{

// The clipboard format of copied controls: registered under the name
// "Dsn_ClipboardFormat", holding a 4-byte little-endian length and then a
// component stream of that length.
QString dsnClipboardMimeType();

QByteArray encodeClipboardBlock(const QByteArray &stream);
// The stream held by a block; nothing when the length does not fit the
// bytes present.
std::optional<QByteArray> decodeClipboardBlock(const QByteArray &block);

} // namespace tw
