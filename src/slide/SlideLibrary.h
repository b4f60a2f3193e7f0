#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

class QIODevice;

namespace tw
{

struct SlideDirectoryEntry {
    QString name;
    std::uint32_t address = 0;
};

// The directory of a slide library (.slb): names and start addresses of its slides.
// Guarantees: every read is checked against the device's size first; a directory
// that runs past the end of the file throws TError("Invalid slide file"); a
// slide whose address does not fit the file is refused alone, with the same
// message, when it is read; a slide followed by a misplaced address is read to the
// end of the file.
class SlideLibrary
{
public:
    static constexpr qint64 kHeaderSize = 32;
    static constexpr qint64 kEntrySize = 36;
    static constexpr int kNameSize = 32;

    // Reads the directory of the library on device (which must be seekable).
    static SlideLibrary ReadDirectory(QIODevice &device);

    int SlideCount() const { return static_cast<int>(m_entries.size()); }
    const std::vector<SlideDirectoryEntry> &Entries() const { return m_entries; }
    qint64 FileSize() const { return m_fileSize; }

    // The data of slide index (a complete slide file) copied out of device.
    QByteArray ReadSlideData(QIODevice &device, int index) const;

private:
    std::vector<SlideDirectoryEntry> m_entries;
    qint64 m_fileSize = 0;
    qint64 m_directoryEnd = kHeaderSize;
};

} // namespace tw
