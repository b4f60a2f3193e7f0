#include "slide/SlideLibrary.h"

#include "slide/Slide.h"

#include <QIODevice>
#include <algorithm>

namespace tw
{

SlideLibrary SlideLibrary::ReadDirectory(QIODevice &device)
{
    SlideLibrary library;
    library.m_fileSize = device.size();
    qint64 pos = kHeaderSize;
    for (;;) {
        if (library.m_fileSize - pos < kEntrySize || !device.seek(pos))
            throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
        const QByteArray entry = device.read(kEntrySize);
        if (entry.size() != kEntrySize)
            throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
        pos += kEntrySize;
        const auto nameEnd = std::find(entry.cbegin(), entry.cbegin() + kNameSize, '\0');
        const qsizetype nameLength = nameEnd - entry.cbegin();
        if (nameLength == 0)
            break;
        const auto *address = reinterpret_cast<const unsigned char *>(entry.constData()) + 32;
        SlideDirectoryEntry slide;
        slide.name = QString::fromLatin1(entry.constData(), nameLength);
        slide.address = static_cast<std::uint32_t>(address[0]) |
                        (static_cast<std::uint32_t>(address[1]) << 8) |
                        (static_cast<std::uint32_t>(address[2]) << 16) |
                        (static_cast<std::uint32_t>(address[3]) << 24);
        library.m_entries.push_back(slide);
    }
    library.m_directoryEnd = pos;
    return library;
}

QByteArray SlideLibrary::ReadSlideData(QIODevice &device, int index) const
{
    if (index < 0 || index >= SlideCount())
        throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
    const qint64 size = std::min(m_fileSize, device.size());
    const qint64 start = m_entries[static_cast<std::size_t>(index)].address;
    // A slide whose own address points into the directory or past the file is
    // refused. When only the next entry's address is out of place, this slide runs
    // to the end of the file: its end-of-file record still ends it.
    if (start < m_directoryEnd || start >= size)
        throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
    qint64 end = size;
    if (index + 1 < SlideCount()) {
        const qint64 next = m_entries[static_cast<std::size_t>(index) + 1].address;
        if (next >= start && next <= size)
            end = next;
    }
    if (!device.seek(start))
        throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
    const QByteArray data = device.read(end - start);
    if (data.size() != end - start)
        throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
    return data;
}

} // namespace tw
