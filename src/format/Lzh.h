#pragma once

#include "format/Error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <cstdint>

namespace tw
{

// LHA -lh5- codec with a 4-byte little-endian length header in front of the bit stream.
//
// Guarantees:
// - CompressStream always emits the longest match within the 8 KiB window (the nearest
//   of equally long ones), parsed lazily by one byte, and closes blocks by the fixed
//   buffer rule, so the same input always gives the same bytes.
// - DecompressStream never reads or writes outside its tables or output, never loops
//   without consuming input and allocates only as output is produced. Corrupt input
//   raises TError (Format) "Compressed file is corrupt": incomplete or over-full codes,
//   code lengths above 16, counts that overrun an alphabet, matches reaching before the
//   start of the output, a header shorter than 4 bytes, a length that is negative or
//   above kLzhMaxLength, and a stream that needs more than 8 bytes beyond its end.
// - No state is kept between calls; calls may run concurrently on different data.
inline constexpr qint64 kLzhMaxLength = qint64(256) * 1024 * 1024;

// Compresses from the source's position to its end, writing at the destination's
// position. Throws TError: "Stream too large" (Limit) when the input exceeds
// kLzhMaxLength, "Stream write error" (File) when the destination refuses bytes.
void CompressStream(QIODevice &source, QIODevice &dest);

// Expands from the source's position to its end, writing at the destination's position
// in pieces of at most 8192 bytes. Throws TError (Format, or File from the destination).
void DecompressStream(QIODevice &source, QIODevice &dest);

// The same on byte arrays: header and bit stream in, plain bytes out, and back.
QByteArray CompressBytes(QByteArrayView data);
QByteArray DecompressBytes(QByteArrayView compressed);

} // namespace tw
