#include "format/Cp1252.h"

#include <array>

namespace tw
{
namespace
{

// 0x80..0x9F; the five undefined bytes map to the C1 controls of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString fromCp1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(kHigh[byte - 0x80]) : QChar(byte));
    }
    return text;
}

std::optional<QByteArray> toCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit < 0x100)) {
            bytes.append(char(unit));
            continue;
        }
        int found = -1;
        for (int i = 0; i < int(kHigh.size()); ++i)
            if (kHigh[i] == unit)
                found = i;
        if (found < 0)
            return std::nullopt;
        bytes.append(char(0x80 + found));
    }
    return bytes;
}

} // namespace tw
