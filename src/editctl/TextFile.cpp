#include "editctl/TextFile.h"

#include "format/Cp1252.h"
#include "format/Error.h"
#include "format/SaveFile.h"

#include <QFile>
#include <QStringDecoder>

namespace tw
{

namespace
{

const QByteArray Bom("\xEF\xBB\xBF");

bool IsValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

TLineEnding FirstLineEnding(const QByteArray &bytes)
{
    const qsizetype at = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0 && (at < 0 || cr < at))
        return cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? TLineEnding::CrLf : TLineEnding::Cr;
    return at >= 0 ? TLineEnding::Lf : TLineEnding::CrLf;
}

QByteArray WithLineEndings(const QByteArray &text, TLineEnding ending)
{
    const QByteArray eol = LineEndingBytes(ending);
    QByteArray out;
    out.reserve(text.size() + text.size() / 32);
    const char *p = text.constData();
    const char *end = p + text.size();
    while (p < end) {
        const char *q = p;
        while (q < end && *q != '\r' && *q != '\n')
            ++q;
        out.append(p, q - p);
        if (q == end)
            break;
        out.append(eol);
        q += (*q == '\r' && q + 1 < end && q[1] == '\n') ? 2 : 1;
        p = q;
    }
    return out;
}

} // namespace

QByteArray LineEndingBytes(TLineEnding ending)
{
    switch (ending) {
    case TLineEnding::Lf:
        return "\n";
    case TLineEnding::Cr:
        return "\r";
    case TLineEnding::CrLf:
        break;
    }
    return "\r\n";
}

TDecodedText DecodeText(const QByteArray &bytes)
{
    TDecodedText result;
    result.Format.LineEnding = FirstLineEnding(bytes);
    if (IsValidUtf8(bytes)) {
        result.Format.ByteOrderMark = bytes.startsWith(Bom);
        result.Utf8 = result.Format.ByteOrderMark ? bytes.mid(Bom.size()) : bytes;
    } else {
        result.Format.Encoding = TTextEncoding::Cp1252;
        result.Utf8 = fromCp1252(bytes).toUtf8();
    }
    return result;
}

QByteArray EncodeText(const QByteArray &utf8, TTextFileFormat &format)
{
    const QByteArray text = WithLineEndings(utf8, format.LineEnding);
    if (format.Encoding == TTextEncoding::Cp1252) {
        if (auto bytes = toCp1252(QString::fromUtf8(text)))
            return *bytes;
        format.Encoding = TTextEncoding::Utf8;
        format.ByteOrderMark = false;
    }
    return format.ByteOrderMark ? Bom + text : text;
}

std::optional<QString> ReadTextFile(const QString &path, TDecodedText &text, qint64 maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
    if (file.size() > maxSize)
        return QStringLiteral("Cannot open file \"%1\". The file is too large.").arg(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString());
    text = DecodeText(bytes);
    return std::nullopt;
}

std::optional<QString> WriteTextFile(const QString &path, const QByteArray &bytes)
{
    try {
        saveFileAtomically(path, bytes);
    } catch (const TError &error) {
        return error.message();
    }
    return std::nullopt;
}

} // namespace tw
