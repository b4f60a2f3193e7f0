#include "LhaArchive.h"

#include "format/Lzh.h"

namespace tw::test
{
namespace
{

void putLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

quint32 getLe(const QByteArray &in, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= quint32(quint8(in[at + i])) << (8 * i);
    return v;
}

} // namespace

quint16 crc16(const QByteArray &data)
{
    quint16 crc = 0;
    for (char ch : data) {
        crc ^= quint8(ch);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

LhaMember lh5Member(const QString &name, const QByteArray &data)
{
    const QByteArray packed = CompressBytes(data);
    return {name, "-lh5-", packed.mid(4), quint32(data.size()), crc16(data)};
}

QByteArray writeLhaArchive(const std::vector<LhaMember> &members)
{
    QByteArray out;
    for (const LhaMember &m : members) {
        const QByteArray name = m.name.toLatin1();
        QByteArray body; // from the method to the CRC
        body.append(m.method);
        putLe(body, quint32(m.packed.size()), 4);
        putLe(body, m.originalSize, 4);
        putLe(body, 0x5A870000, 4); // DOS time stamp: 2025-04-07 00:00
        body.append(char(0x20));    // archive attribute
        body.append(char(0));       // header level
        body.append(char(name.size()));
        body.append(name);
        putLe(body, m.crc, 2);
        quint8 sum = 0;
        for (char ch : body)
            sum = quint8(sum + quint8(ch));
        out.append(char(body.size()));
        out.append(char(sum));
        out.append(body);
        out.append(m.packed);
    }
    out.append(char(0));
    return out;
}

std::optional<std::vector<LhaMember>> readLhaArchive(const QByteArray &archive)
{
    std::vector<LhaMember> members;
    qsizetype pos = 0;
    while (pos < archive.size() && archive[pos] != 0) {
        const int headerSize = quint8(archive[pos]);
        if (headerSize < 22 || pos + 2 + headerSize > archive.size())
            return std::nullopt;
        const qsizetype h = pos + 2;
        if (archive[h + 18] != 0) // header level
            return std::nullopt;
        LhaMember m;
        m.method = archive.mid(h, 5);
        const quint32 packedSize = getLe(archive, h + 5, 4);
        m.originalSize = getLe(archive, h + 9, 4);
        const int nameLength = quint8(archive[h + 19]);
        if (20 + nameLength + 2 > headerSize)
            return std::nullopt;
        m.name = QString::fromLatin1(archive.mid(h + 20, nameLength));
        m.crc = quint16(getLe(archive, h + 20 + nameLength, 2));
        pos = h + headerSize;
        if (pos + qsizetype(packedSize) > archive.size())
            return std::nullopt;
        m.packed = archive.mid(pos, packedSize);
        pos += packedSize;
        members.push_back(m);
    }
    return members;
}

} // namespace tw::test
