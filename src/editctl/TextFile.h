#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tw
{

enum class TTextEncoding { Utf8, Cp1252 };
enum class TLineEnding { CrLf, Lf, Cr };

// How a text file was stored, so that saving writes it back the same way.
// New text is UTF-8 without a byte-order mark, with CR LF line ends.
struct TTextFileFormat {
    TTextEncoding Encoding = TTextEncoding::Utf8;
    bool ByteOrderMark = false;
    TLineEnding LineEnding = TLineEnding::CrLf;
    friend bool operator==(const TTextFileFormat &, const TTextFileFormat &) = default;
};

struct TDecodedText {
    QByteArray Utf8; // the text as the editor holds it, line ends as in the file
    TTextFileFormat Format;
};

// Bytes that are valid UTF-8 are UTF-8 (a leading byte-order mark is noted and
// dropped); anything else is taken as Windows-1252. The line ending is the
// first one found in the file.
TDecodedText DecodeText(const QByteArray &bytes);

// The file bytes for `utf8` in `format`, every line end written as the
// format's. Text that Windows-1252 cannot hold is written as UTF-8 instead and
// `format` is changed to say so, so no character is lost.
QByteArray EncodeText(const QByteArray &utf8, TTextFileFormat &format);

// The largest file the editor opens; bigger ones are refused before reading.
constexpr qint64 MaxTextFileSize = qint64(512) * 1024 * 1024;

// Reading and writing whole files; the result is the error message, or nothing
// on success. Writing goes through saveFileAtomically, so a failed write leaves
// the old file as it was.
std::optional<QString> ReadTextFile(const QString &path, TDecodedText &text,
                                    qint64 maxSize = MaxTextFileSize);
std::optional<QString> WriteTextFile(const QString &path, const QByteArray &bytes);

QByteArray LineEndingBytes(TLineEnding ending);

} // namespace tw
