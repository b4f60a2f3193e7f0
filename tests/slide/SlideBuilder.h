#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace tw::test
{

// Builds slide files record by record, in the file's own byte layout.
class SlideBuilder
{
public:
    explicit SlideBuilder(int highX = 999, int highY = 599, int level = 2,
                          std::uint16_t testNumber = 0x1234)
    {
        m_bytes = QByteArray("AutoCAD Slide\r\n\x1a", 16);
        m_bytes.append('\0');
        m_bytes.append(char(0x56));
        m_bytes.append(char(level));
        word(highX);
        word(highY);
        m_bytes.append(QByteArray("\x56\xDD\x0A\x01", 4)); // aspect ratio, kept as is
        word(2);
        word(testNumber);
    }

    SlideBuilder &vector(int fromX, int fromY, int toX, int toY)
    {
        word(fromX);
        word(fromY);
        word(toX);
        word(toY);
        return *this;
    }
    SlideBuilder &offsetVector(int fromDx, int fromDy, int toDx, int toDy)
    {
        return bytes({std::uint8_t(fromDx), 0xFB, std::uint8_t(fromDy), std::uint8_t(toDx),
                      std::uint8_t(toDy)});
    }
    SlideBuilder &commonEndpoint(int toDx, int toDy)
    {
        return bytes({std::uint8_t(toDx), 0xFE, std::uint8_t(toDy)});
    }
    SlideBuilder &fill(int x, int y)
    {
        bytes({0x00, 0xFD});
        word(x);
        word(y);
        return *this;
    }
    // A whole solid-fill sequence: opening record, vertices, closing record.
    SlideBuilder &polygon(const std::vector<std::pair<int, int>> &vertices)
    {
        fill(4, -2);
        for (const auto &[x, y] : vertices)
            fill(x, y);
        return fill(vertices.empty() ? 0 : vertices.back().first,
                    vertices.empty() ? -1 : -vertices.back().second - 1);
    }
    SlideBuilder &colour(int aci) { return bytes({std::uint8_t(aci), 0xFF}); }
    SlideBuilder &end() { return bytes({0x00, 0xFC}); }
    SlideBuilder &bytes(std::initializer_list<std::uint8_t> list)
    {
        for (std::uint8_t b : list)
            m_bytes.append(char(b));
        return *this;
    }
    SlideBuilder &word(int value)
    {
        return bytes({std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF)});
    }

    QByteArray data() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

struct LibrarySlide {
    QString name;
    QByteArray data;
};

// A slide library: 32-byte header, 36-byte directory entries ending with an empty
// name, then the slides' data in order. addresses, when given, replace the true ones.
inline QByteArray buildLibrary(const std::vector<LibrarySlide> &slides,
                               const std::vector<std::int64_t> &addresses = {})
{
    QByteArray bytes("AutoCAD Slide Library 1.0\r\n\x1a", 28);
    bytes.append(QByteArray(32 - bytes.size(), '\0'));
    std::int64_t address = 32 + 36 * std::int64_t(slides.size() + 1);
    for (std::size_t i = 0; i < slides.size(); ++i) {
        QByteArray name = slides[i].name.toLatin1().left(32);
        name.append(QByteArray(32 - name.size(), '\0'));
        bytes.append(name);
        const auto written =
            static_cast<std::uint32_t>(i < addresses.size() ? addresses[i] : address);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((written >> shift) & 0xFF));
        address += slides[i].data.size();
    }
    bytes.append(QByteArray(36, '\0'));
    for (const LibrarySlide &slide : slides)
        bytes.append(slide.data);
    return bytes;
}

} // namespace tw::test
