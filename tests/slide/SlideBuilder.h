#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace tw::test
{

// Byte order of a slide file's words: Intel (low byte first) or the other one.
enum class SlideByteOrder { Intel, Motorola };

// Builds slide files record by record, in the file's own byte layout.
class SlideBuilder
{
public:
    explicit SlideBuilder(int highX = 999, int highY = 599, int level = 2,
                          std::uint16_t testNumber = 0x1234,
                          SlideByteOrder order = SlideByteOrder::Intel)
        : m_order(order)
    {
        m_bytes = QByteArray("AutoCAD Slide\r\n\x1a", 16);
        m_bytes.append('\0');
        m_bytes.append(char(0x56));
        m_bytes.append(char(level));
        word(highX);
        word(highY);
        QByteArray aspect("\x56\xDD\x0A\x01", 4); // kept as is
        if (order == SlideByteOrder::Motorola)
            std::reverse(aspect.begin(), aspect.end());
        m_bytes.append(aspect);
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
        kind(0xFB, fromDx);
        return bytes({std::uint8_t(fromDy), std::uint8_t(toDx), std::uint8_t(toDy)});
    }
    SlideBuilder &commonEndpoint(int toDx, int toDy)
    {
        kind(0xFE, toDx);
        return bytes({std::uint8_t(toDy)});
    }
    SlideBuilder &fill(int x, int y)
    {
        kind(0xFD, 0);
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
    SlideBuilder &colour(int aci) { return kind(0xFF, aci); }
    SlideBuilder &end() { return kind(0xFC, 0); }
    SlideBuilder &bytes(std::initializer_list<std::uint8_t> list)
    {
        for (std::uint8_t b : list)
            m_bytes.append(char(b));
        return *this;
    }
    SlideBuilder &word(int value)
    {
        const auto low = std::uint8_t(value & 0xFF);
        const auto high = std::uint8_t((value >> 8) & 0xFF);
        return m_order == SlideByteOrder::Intel ? bytes({low, high}) : bytes({high, low});
    }

    QByteArray data() const { return m_bytes; }

private:
    // Records other than vectors open with a word whose high byte names their kind.
    SlideBuilder &kind(std::uint8_t high, int low) { return word(high << 8 | (low & 0xFF)); }

    SlideByteOrder m_order;
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
