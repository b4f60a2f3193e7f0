#pragma once

#include "format/Error.h"

#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace tw
{

// A collection of named byte streams kept in memory and stored together in one file,
// optionally compressed (-lh5-) and enciphered (Blowfish, ECB) under a text key.
//
// File: byte 0 "&" if compressed else " ", byte 1 "*" if enciphered else " ", then the
// payload: the directory image (signature 01..08, int32 count, per entry uint16 name
// length, Latin-1 name, int32 data length, data; little-endian), compressed and then
// enciphered as marked.
//
// Guarantees:
// - Names are unique without regard to case and kept sorted that way; the first entry
//   of a name wins (AddStream and loading alike).
// - Loading never reads outside the bytes present and allocates only what they hold;
//   any corrupt file raises TError (Format) "File is corrupt." after OnCorrupt has run:
//   wrong signature, failed expansion, failed deciphering (an empty key, a pad count
//   larger than the payload), and short or over-long count, name and data fields.
//   The collection has then been cleared only if the signature was right, and holds
//   the entries read before the fault.
// - Loading a file that cannot be opened raises TError (File) "Cannot open file ...";
//   saving one that cannot be written raises TError (File) "Cannot create file ..." and
//   leaves any existing file as it was (saveFileAtomically). "Stream write error" (File)
//   when a destination device refuses bytes, "Stream too large" (Limit) when the image
//   exceeds what the layout or the codec can hold.
// - A key whose schedule leaves two equal entries in an S-box is refused: the payload is
//   then stored and read as it is, although the cipher mark says "*".
// - Key bytes are the key's Latin-1 bytes, used cyclically over the 72 subkey bytes.
class TMoxStreams : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Compressed READ Compressed WRITE setCompressed)
    Q_PROPERTY(bool Encrypted READ Encrypted WRITE setEncrypted)
    Q_PROPERTY(QString Key READ Key WRITE setKey)

public:
    // Returns the key for an enciphered file being loaded.
    using TOnAskForKey = std::function<QString(TMoxStreams *sender)>;
    using TNotifyEvent = std::function<void(QObject *sender)>;

    explicit TMoxStreams(QObject *owner = nullptr);
    ~TMoxStreams() override;

    bool Compressed() const { return m_compressed; }
    void setCompressed(bool value) { m_compressed = value; }
    bool Encrypted() const { return m_encrypted; }
    void setEncrypted(bool value) { m_encrypted = value; }
    QString Key() const { return m_key; }
    void setKey(const QString &value) { m_key = value; }

    TOnAskForKey OnAskForKey;
    TNotifyEvent OnCorrupt;

    // Stores a copy of the source's whole content (from position 0) under `name`, unless
    // the name is empty or longer than 65535 characters, the source is null, or an entry
    // of that name exists. Returns whether it was stored.
    bool AddStream(const QString &name, QIODevice *source);
    bool AddStream(const QString &name, const QByteArray &data);

    // Appends the entry's bytes at the destination's position (if it exists), then sets
    // the destination's position to 0. An empty name does nothing.
    void GetStream(const QString &name, QIODevice *dest) const;

    void ClearStreams();

    int Count() const { return int(m_entries.size()); }
    // Entry names in stored order.
    QStringList Names() const;
    bool HasStream(const QString &name) const;
    // The entry's bytes; empty when there is none.
    QByteArray StreamData(const QString &name) const;

    void SaveToFile(const QString &fileName) const;
    void LoadFromFile(const QString &fileName);
    // Writes the file layout at the destination's position.
    void SaveToStream(QIODevice &dest) const;
    // Reads the file layout from the source's start.
    void LoadFromStream(QIODevice &source);

    // The file bytes SaveToStream writes.
    QByteArray SaveToBytes() const;
    void LoadFromBytes(const QByteArray &file);

private:
    using Entry = std::pair<QString, QByteArray>;

    std::vector<Entry>::const_iterator find(const QString &name) const;
    bool insert(const QString &name, const QByteArray &data);
    QByteArray image() const;
    void parseImage(const QByteArray &image);
    [[noreturn]] void corrupt();

    bool m_compressed = true;
    bool m_encrypted = false;
    QString m_key;
    std::vector<Entry> m_entries;
};

} // namespace tw
