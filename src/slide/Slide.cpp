#include "slide/Slide.h"

#include <QBuffer>
#include <QFile>
#include <QFileDevice>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace tw
{

namespace
{

constexpr char kIdentification[] = "AutoCAD Slide\r\n\x1a";
constexpr int kIdentificationSize = 17; // the 13 letters, CR, LF, ^Z and a zero byte
constexpr int kLevelOffset = 18;
constexpr int kHighXOffset = 19;
constexpr int kHighYOffset = 21;
constexpr int kTestNumberOffset = 29;

std::uint16_t word(const std::uint8_t *bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::int16_t signedWord(const std::uint8_t *bytes)
{
    return static_cast<std::int16_t>(word(bytes));
}

std::int8_t signedByte(std::uint8_t byte)
{
    return static_cast<std::int8_t>(byte);
}

// Size and kind of the record whose first word has this high byte; size 0 for none.
struct RecordShape {
    SlideRecordKind kind;
    std::uint8_t size;
};

RecordShape shapeOf(std::uint8_t highByte)
{
    if (highByte <= 0x7F)
        return {SlideRecordKind::Vector, 8};
    switch (highByte) {
    case 0xFB:
        return {SlideRecordKind::OffsetVector, 5};
    case 0xFC:
        return {SlideRecordKind::EndOfFile, 2};
    case 0xFD:
        return {SlideRecordKind::SolidFill, 6};
    case 0xFE:
        return {SlideRecordKind::CommonEndpoint, 3};
    case 0xFF:
        return {SlideRecordKind::NewColour, 2};
    default:
        return {SlideRecordKind::EndOfFile, 0};
    }
}

struct Rgb {
    int r, g, b;
};

constexpr Rgb kBaseColours[10] = {{0, 0, 0},       {255, 0, 0},    {255, 255, 0}, {0, 255, 0},
                                  {0, 255, 255},   {0, 0, 255},    {255, 0, 255}, {0, 0, 0},
                                  {132, 132, 132}, {186, 186, 186}};
constexpr Rgb kGreys[6] = {{0, 0, 0},       {41, 41, 41},    {90, 90, 90},
                           {132, 132, 132}, {188, 188, 188}, {173, 173, 173}};

int roundHalfEven(float value)
{
    // Keeps far-away points representable; the painter clips them anyway.
    constexpr float kLimit = 1 << 24;
    if (!(value > -kLimit))
        return -static_cast<int>(kLimit);
    if (!(value < kLimit))
        return static_cast<int>(kLimit);
    return static_cast<int>(std::nearbyint(value));
}

int cappedSize(float value)
{
    const float magnitude = std::fabs(value);
    if (!(magnitude < static_cast<float>(Tslide::kMaxSize)))
        return Tslide::kMaxSize;
    return static_cast<int>(std::nearbyint(magnitude));
}

} // namespace

QColor AciToColor(int aci)
{
    if (aci < 0 || aci > 255)
        return QColor(0, 0, 0);
    if (aci <= 9) {
        const Rgb c = kBaseColours[aci];
        return QColor(c.r, c.g, c.b);
    }
    if (aci >= 250) {
        const Rgb c = kGreys[aci - 250];
        return QColor(c.r, c.g, c.b);
    }
    const int hueStep = aci / 10;
    const int shade = aci % 10;
    const int first = (hueStep - 1) / 4 + 1;
    const int second = first + 1 == 7 ? 1 : first + 1;
    const int weight = hueStep % 4 == 0 ? 4 : hueStep % 4;
    const Rgb a = kBaseColours[first];
    const Rgb b = kBaseColours[second];
    auto blend = [weight](int ca, int cb) { return ((weight - 1) * cb + (5 - weight) * ca) / 4; };
    int channels[3] = {blend(a.r, b.r), blend(a.g, b.g), blend(a.b, b.b)};
    for (int &channel : channels) {
        if (shade % 2 == 1)
            channel = std::min(255, channel / 2 + 129);
        for (int i = 0; i < shade / 2; ++i)
            channel = channel * 7 / 10;
    }
    return QColor(channels[0], channels[1], channels[2]);
}

QColor ContrastColor(const QColor &background)
{
    const double luminance =
        0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

Tslide::Tslide(QObject *parent) : QObject(parent)
{
}

void Tslide::LoadFromStream(QIODevice &stream)
{
    if (!stream.isSequential())
        stream.seek(0);
    LoadFromBytes(stream.readAll());
}

void Tslide::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(file.errorString(), TErrorKind::File);
    LoadFromStream(file);
}

void Tslide::LoadFromBytes(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < kHeaderSize || std::memcmp(data, kIdentification, kIdentificationSize) != 0)
        throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
    if (data[kLevelOffset] == 1)
        throw TError(QString::fromLatin1(kUnsupportedLevel1), TErrorKind::Format);
    if (word(data + kTestNumberOffset) != 0x1234)
        throw TError(QString::fromLatin1(kNotIntelSlide), TErrorKind::Format);

    std::vector<SlideRecord> records;
    qsizetype pos = kHeaderSize;
    while (pos < size) {
        if (size - pos < 2)
            throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
        const RecordShape shape = shapeOf(data[pos + 1]);
        if (shape.size == 0 || size - pos < shape.size)
            throw TError(QString::fromLatin1(kInvalidSlideFile), TErrorKind::Format);
        SlideRecord record;
        record.kind = shape.kind;
        record.size = shape.size;
        std::memcpy(record.bytes.data(), data + pos, shape.size);
        records.push_back(record);
        pos += shape.size;
        if (shape.kind == SlideRecordKind::EndOfFile)
            break;
    }

    std::memcpy(m_header.data(), data, kHeaderSize);
    m_extentX = word(data + kHighXOffset) + 1;
    m_extentY = word(data + kHighYOffset) + 1;
    m_records = std::move(records);
    m_empty = false;
    recomputeSize();
    emit Changed();
}

bool Tslide::SaveToStream(QIODevice &stream) const
{
    if (m_empty)
        return true;
    if (!stream.isSequential())
        stream.seek(0);
    const QByteArray bytes = SaveToBytes();
    if (stream.write(bytes) != bytes.size())
        return false;
    if (auto *file = qobject_cast<QFileDevice *>(&stream))
        return file->resize(bytes.size());
    if (auto *buffer = qobject_cast<QBuffer *>(&stream))
        buffer->buffer().resize(bytes.size());
    return true;
}

QByteArray Tslide::SaveToBytes() const
{
    QByteArray bytes;
    if (m_empty)
        return bytes;
    bytes.append(reinterpret_cast<const char *>(m_header.data()), kHeaderSize);
    for (const SlideRecord &record : m_records)
        bytes.append(reinterpret_cast<const char *>(record.bytes.data()), record.size);
    return bytes;
}

void Tslide::Assign(const QObject *source)
{
    const auto *other = qobject_cast<const Tslide *>(source);
    if (!other)
        throw TError(QString::fromLatin1(kAssignOnlyFromSlide));
    if (other == this)
        return;
    Clear();
    if (other->m_empty)
        return;
    m_header = other->m_header;
    m_records = other->m_records;
    m_extentX = other->m_extentX;
    m_extentY = other->m_extentY;
    m_scale = other->m_scale;
    m_empty = false;
    recomputeSize();
    emit Changed();
}

void Tslide::LoadFromClipboardFormat()
{
    throw TError(QString::fromLatin1(kNoClipboardLoad));
}

void Tslide::SaveToClipboardFormat() const
{
    throw TError(QString::fromLatin1(kNoClipboardSave));
}

void Tslide::Clear()
{
    m_header.fill(0);
    m_records.clear();
    m_empty = true;
    m_extentX = 0;
    m_extentY = 0;
    recomputeSize();
}

void Tslide::SetScale(float scale)
{
    m_scale = scale;
    recomputeSize();
    emit Changed();
}

void Tslide::SetWidth(int width)
{
    if (m_extentX == 0)
        return;
    SetScale(static_cast<float>(width) / static_cast<float>(m_extentX));
}

void Tslide::SetHeight(int height)
{
    if (m_extentY == 0)
        return;
    SetScale(static_cast<float>(height) / static_cast<float>(m_extentY));
}

void Tslide::recomputeSize()
{
    m_width = cappedSize(static_cast<float>(m_extentX) * m_scale);
    m_height = cappedSize(static_cast<float>(m_extentY) * m_scale);
}

void Tslide::Draw(QPainter &canvas, const QRect &rect, const QColor &background) const
{
    if (m_empty || m_extentX == 0 || m_extentY == 0)
        return;
    const float sx = static_cast<float>(rect.width()) / static_cast<float>(m_extentX);
    const float sy = static_cast<float>(rect.height()) / static_cast<float>(m_extentY);
    const int h = rect.height();
    auto map = [sx, sy, h](float x, float y) {
        return QPoint(roundHalfEven(x * sx), h - roundHalfEven(y * sy));
    };

    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    QColor colour = canvas.pen().color();
    const QColor contrast = ContrastColor(background);

    auto drawLine = [&](std::uint16_t fx, std::uint16_t fy, std::uint16_t tx, std::uint16_t ty) {
        canvas.setBrush(Qt::NoBrush);
        // Flat caps may leave either end pixel out; a slide line has both, so they
        // are set on their own.
        canvas.setPen(QPen(colour, 0, Qt::SolidLine, Qt::FlatCap));
        const QPoint from = map(fx, fy);
        const QPoint to = map(tx, ty);
        canvas.drawLine(from, to);
        canvas.fillRect(QRect(from, QSize(1, 1)), colour);
        canvas.fillRect(QRect(to, QSize(1, 1)), colour);
    };

    std::uint16_t lastX = 0;
    std::uint16_t lastY = 0;
    bool collecting = false;
    QPolygon polygon;
    for (const SlideRecord &record : m_records) {
        const std::uint8_t *b = record.bytes.data();
        switch (record.kind) {
        case SlideRecordKind::Vector: {
            const std::uint16_t fx = word(b), fy = word(b + 2);
            drawLine(fx, fy, word(b + 4), word(b + 6));
            lastX = fx;
            lastY = fy;
            break;
        }
        case SlideRecordKind::OffsetVector: {
            // 16-bit arithmetic: offsets wrap at 65536.
            const auto fx = static_cast<std::uint16_t>(lastX + signedByte(b[0]));
            const auto fy = static_cast<std::uint16_t>(lastY + signedByte(b[2]));
            const auto tx = static_cast<std::uint16_t>(lastX + signedByte(b[3]));
            const auto ty = static_cast<std::uint16_t>(lastY + signedByte(b[4]));
            drawLine(fx, fy, tx, ty);
            lastX = fx;
            lastY = fy;
            break;
        }
        case SlideRecordKind::CommonEndpoint: {
            const auto tx = static_cast<std::uint16_t>(lastX + signedByte(b[0]));
            const auto ty = static_cast<std::uint16_t>(lastY + signedByte(b[2]));
            drawLine(lastX, lastY, tx, ty);
            lastX = tx;
            lastY = ty;
            break;
        }
        case SlideRecordKind::NewColour:
            colour = (b[0] == 0 || b[0] == 7) ? contrast : AciToColor(b[0]);
            break;
        case SlideRecordKind::SolidFill: {
            const std::int16_t x = signedWord(b + 2);
            const std::int16_t y = signedWord(b + 4);
            if (!collecting) {
                collecting = true;
                polygon.clear();
            } else if (y < 0) {
                collecting = false;
                if (!polygon.isEmpty()) {
                    canvas.setPen(QPen(colour, 0, Qt::SolidLine));
                    canvas.setBrush(QBrush(colour, Qt::SolidPattern));
                    canvas.drawPolygon(polygon);
                }
            } else if (polygon.size() < kMaxPolygonVertices) {
                // Vertices past the bound are dropped.
                polygon.append(map(x, y));
            }
            break;
        }
        case SlideRecordKind::EndOfFile:
            break;
        }
    }
    canvas.restore();
}

} // namespace tw
