#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tw::test
{

// Minimal LHA archives with level-0 headers, enough to hand our -lh5- streams to other
// programs and to read theirs back.
struct LhaMember {
    QString name;
    QByteArray method; // "-lh5-"
    QByteArray packed; // the bit stream, without our 4-byte length header
    quint32 originalSize = 0;
    quint16 crc = 0; // CRC-16 of the original bytes
};

quint16 crc16(const QByteArray &data);

// A member holding `data` compressed by CompressBytes.
LhaMember lh5Member(const QString &name, const QByteArray &data);

QByteArray writeLhaArchive(const std::vector<LhaMember> &members);

// Members of a level-0 archive; nullopt when the bytes are not one.
std::optional<std::vector<LhaMember>> readLhaArchive(const QByteArray &archive);

} // namespace tw::test
