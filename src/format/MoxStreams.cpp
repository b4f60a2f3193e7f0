#include "format/MoxStreams.h"

#include "format/Blowfish.h"
#include "format/Lzh.h"
#include "format/SaveFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <limits>

namespace tw
{
namespace
{

const char kSignature[8] = {1, 2, 3, 4, 5, 6, 7, 8};
constexpr char kCompressedMark = '&';
constexpr char kEncryptedMark = '*';
constexpr char kNoMark = ' ';
constexpr qsizetype kMinEntry = 2 + 4; // name length and data length fields

bool lessNoCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

void appendLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// Sequential reads of the image that report a field running past the end.
class ImageReader
{
public:
    explicit ImageReader(const QByteArray &data) : m_data(data) {}

    qsizetype left() const { return m_data.size() - m_pos; }

    bool read(qsizetype n, QByteArray &out)
    {
        if (n < 0 || n > left())
            return false;
        out = m_data.mid(m_pos, n);
        m_pos += n;
        return true;
    }

    bool readLe(int bytes, quint32 &value)
    {
        if (left() < bytes)
            return false;
        value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= quint32(quint8(m_data[m_pos + i])) << (8 * i);
        m_pos += bytes;
        return true;
    }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

// Pads to whole blocks (k bytes 01 and the byte k, 1 <= k <= 8) and enciphers. A refused
// key leaves the payload as it is.
void encipher(QByteArray &payload, const QByteArray &key)
{
    const TBlowfish cipher(key);
    if (payload.isEmpty() || cipher.hasWeakKey())
        return;
    const int k = int(8 - (payload.size() + 1) % 8);
    payload.append(QByteArray(k, '\x01'));
    payload.append(char(k));
    cipher.encryptEcb(payload.data(), payload.size());
}

// Returns false when the pad count does not fit the payload (a wrong key).
bool decipher(QByteArray &payload, const QByteArray &key)
{
    const TBlowfish cipher(key);
    if (payload.isEmpty() || cipher.hasWeakKey())
        return true;
    cipher.decryptEcb(payload.data(), payload.size());
    const qsizetype k = quint8(payload.back());
    if (k + 1 > payload.size())
        return false;
    payload.truncate(payload.size() - k - 1);
    return true;
}

} // namespace

TMoxStreams::TMoxStreams(QObject *owner) : QObject(owner)
{
}

TMoxStreams::~TMoxStreams() = default;

std::vector<TMoxStreams::Entry>::const_iterator TMoxStreams::find(const QString &name) const
{
    auto it =
        std::lower_bound(m_entries.begin(), m_entries.end(), name,
                         [](const Entry &e, const QString &n) { return lessNoCase(e.first, n); });
    if (it != m_entries.end() && QString::compare(it->first, name, Qt::CaseInsensitive) == 0)
        return it;
    return m_entries.end();
}

bool TMoxStreams::insert(const QString &name, const QByteArray &data)
{
    if (name.isEmpty() || name.size() > 0xFFFF)
        return false;
    auto it =
        std::lower_bound(m_entries.begin(), m_entries.end(), name,
                         [](const Entry &e, const QString &n) { return lessNoCase(e.first, n); });
    if (it != m_entries.end() && QString::compare(it->first, name, Qt::CaseInsensitive) == 0)
        return false;
    m_entries.insert(it, {name, data});
    return true;
}

bool TMoxStreams::AddStream(const QString &name, QIODevice *source)
{
    if (source == nullptr || name.isEmpty())
        return false;
    if (!source->isSequential())
        source->seek(0);
    return insert(name, source->readAll());
}

bool TMoxStreams::AddStream(const QString &name, const QByteArray &data)
{
    return insert(name, data);
}

void TMoxStreams::GetStream(const QString &name, QIODevice *dest) const
{
    if (name.isEmpty() || dest == nullptr)
        return;
    const auto it = find(name);
    if (it != m_entries.end() && !it->second.isEmpty() &&
        dest->write(it->second) != it->second.size())
        throw TError(QString::fromLatin1(kStreamWriteError), TErrorKind::File);
    dest->seek(0);
}

void TMoxStreams::ClearStreams()
{
    m_entries.clear();
}

QStringList TMoxStreams::Names() const
{
    QStringList names;
    for (const Entry &e : m_entries)
        names << e.first;
    return names;
}

bool TMoxStreams::HasStream(const QString &name) const
{
    return find(name) != m_entries.end();
}

QByteArray TMoxStreams::StreamData(const QString &name) const
{
    const auto it = find(name);
    return it != m_entries.end() ? it->second : QByteArray();
}

QByteArray TMoxStreams::image() const
{
    QByteArray out(kSignature, sizeof kSignature);
    appendLe(out, quint32(m_entries.size()), 4);
    for (const Entry &e : m_entries) {
        const QByteArray name = e.first.toLatin1();
        if (e.second.size() > std::numeric_limits<qint32>::max() - out.size())
            throw TError(QString::fromLatin1(kStreamTooLarge), TErrorKind::Limit);
        appendLe(out, quint32(name.size()), 2);
        out.append(name);
        appendLe(out, quint32(e.second.size()), 4);
        out.append(e.second);
    }
    return out;
}

QByteArray TMoxStreams::SaveToBytes() const
{
    const bool encipherPayload = m_encrypted && !m_key.isEmpty();
    QByteArray payload = m_compressed ? CompressBytes(image()) : image();
    if (encipherPayload)
        encipher(payload, m_key.toLatin1());
    QByteArray file;
    file.reserve(payload.size() + 2);
    file.append(m_compressed ? kCompressedMark : kNoMark);
    file.append(encipherPayload ? kEncryptedMark : kNoMark);
    file.append(payload);
    return file;
}

void TMoxStreams::SaveToStream(QIODevice &dest) const
{
    const QByteArray file = SaveToBytes();
    if (dest.write(file) != file.size())
        throw TError(QString::fromLatin1(kStreamWriteError), TErrorKind::File);
}

void TMoxStreams::SaveToFile(const QString &fileName) const
{
    saveFileAtomically(fileName, SaveToBytes());
}

void TMoxStreams::LoadFromFile(const QString &fileName)
{
    QFile in(fileName);
    if (!in.open(QIODevice::ReadOnly))
        throw TError(QString("Cannot open file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(fileName), in.errorString()),
                     TErrorKind::File);
    LoadFromStream(in);
}

void TMoxStreams::LoadFromStream(QIODevice &source)
{
    if (!source.isSequential())
        source.seek(0);
    LoadFromBytes(source.readAll());
}

void TMoxStreams::LoadFromBytes(const QByteArray &file)
{
    if (file.size() < 2)
        corrupt();
    const bool compressed = file[0] == kCompressedMark;
    const bool encrypted = file[1] == kEncryptedMark;
    QString key = m_key;
    QByteArray payload = file.mid(2);
    if (encrypted) {
        if (OnAskForKey)
            key = OnAskForKey(this);
        if (key.isEmpty() || !decipher(payload, key.toLatin1()))
            corrupt();
    }
    if (compressed) {
        try {
            payload = DecompressBytes(payload);
        } catch (const TError &error) {
            if (error.kind() != TErrorKind::Format)
                throw;
            corrupt();
        }
    }
    parseImage(payload);
    m_key = key;
    m_compressed = compressed;
    m_encrypted = encrypted;
}

void TMoxStreams::parseImage(const QByteArray &image)
{
    if (image.size() < qsizetype(sizeof kSignature) ||
        !image.startsWith(QByteArray::fromRawData(kSignature, sizeof kSignature)))
        corrupt();
    ClearStreams();
    ImageReader in(image);
    QByteArray skipped;
    in.read(sizeof kSignature, skipped);
    quint32 count = 0;
    if (!in.readLe(4, count) || qint32(count) < 0 || qint64(count) > in.left() / kMinEntry)
        corrupt();
    for (quint32 i = 0; i < count; ++i) {
        quint32 nameLength = 0;
        quint32 dataLength = 0;
        QByteArray name;
        QByteArray data;
        if (!in.readLe(2, nameLength) || !in.read(qsizetype(nameLength), name) ||
            !in.readLe(4, dataLength) || qint32(dataLength) < 0 ||
            !in.read(qsizetype(dataLength), data))
            corrupt();
        insert(QString::fromLatin1(name), data);
    }
}

void TMoxStreams::corrupt()
{
    if (OnCorrupt)
        OnCorrupt(this);
    throw TError(QString::fromLatin1(kFileCorrupt), TErrorKind::Format);
}

} // namespace tw
