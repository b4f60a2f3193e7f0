#pragma once

#include "format/Error.h"

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class QIODevice;
class QPainter;

namespace tw
{

// Message texts of the slide reader, thrown as TError: of kind Format for the
// file's bytes, Invalid for the operations a slide does not offer.
inline constexpr const char *kInvalidSlideFile = "Invalid slide file";
inline constexpr const char *kUnsupportedLevel1 = "unsupported level 1 slide";
inline constexpr const char *kNotIntelSlide = "SLD file not from an Intel-based machine";
inline constexpr const char *kAssignOnlyFromSlide =
    "Tslide.Assign can only assign from other Tslide's";
inline constexpr const char *kNoClipboardLoad =
    "Tslide does not support loading from clipboard format";
inline constexpr const char *kNoClipboardSave =
    "Tslide does not yet support saving to clipboard format";

enum class SlideRecordKind : std::uint8_t {
    Vector = 0,
    OffsetVector = 1,
    EndOfFile = 2,
    SolidFill = 3,
    CommonEndpoint = 4,
    NewColour = 5,
};

// One drawing record: its kind and its bytes exactly as in the file.
struct SlideRecord {
    SlideRecordKind kind = SlideRecordKind::EndOfFile;
    std::uint8_t size = 0;
    std::array<std::uint8_t, 8> bytes{};
};

// Screen colour of an AutoCAD colour number (0 to 255), as the colour table and
// colour wheel give it; colour 7 is black here.
QColor AciToColor(int aci);

// The colour that stands out on a background: white on a dark one, black on a light one.
QColor ContrastColor(const QColor &background);

// An AutoCAD slide read into a list of drawing records.
// Guarantees: a load either succeeds completely or throws TError with the
// program's message and leaves the slide as it was; reading never goes past the bytes
// present; SaveToStream writes back the header and records byte for byte; Width
// and Height follow Scale, keep the aspect ratio and never exceed 32767.
class Tslide : public QObject
{
    Q_OBJECT

public:
    static constexpr int kHeaderSize = 31;
    static constexpr int kMaxSize = 32767;
    static constexpr int kMaxPolygonVertices = 1000;

    explicit Tslide(QObject *parent = nullptr);

    void LoadFromStream(QIODevice &stream);
    void LoadFromBytes(const QByteArray &bytes);
    void LoadFromFile(const QString &fileName);
    // Writes from the stream's start and cuts it after the last byte; false when the
    // device refused a write. An empty slide writes nothing.
    bool SaveToStream(QIODevice &stream) const;
    QByteArray SaveToBytes() const;

    // Only another Tslide can be assigned; anything else throws TError.
    void Assign(const QObject *source);
    [[noreturn]] void LoadFromClipboardFormat();
    [[noreturn]] void SaveToClipboardFormat() const;

    void Clear();
    bool Empty() const { return m_empty; }

    // Draws stretched into rect (placed at the canvas origin). Colours 7 and 0 take
    // the contrast colour of background; before any colour record the painter's pen
    // colour is used.
    void Draw(QPainter &canvas, const QRect &rect, const QColor &background = Qt::black) const;

    int ExtentX() const { return m_extentX; }
    int ExtentY() const { return m_extentY; }
    float Scale() const { return m_scale; }
    void SetScale(float scale);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetWidth(int width);
    void SetHeight(int height);

    const std::vector<SlideRecord> &Records() const { return m_records; }
    const std::array<std::uint8_t, kHeaderSize> &Header() const { return m_header; }

signals:
    void Changed();

private:
    void recomputeSize();

    std::array<std::uint8_t, kHeaderSize> m_header{};
    std::vector<SlideRecord> m_records;
    bool m_empty = true;
    int m_extentX = 0;
    int m_extentY = 0;
    float m_scale = 1.0f;
    int m_width = 0;
    int m_height = 0;
};

} // namespace tw
