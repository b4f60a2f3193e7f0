// Feeds arbitrary bytes to the slide reader (as a slide, then as a slide library)
// and draws whatever loads; any crash, sanitizer report or broken round trip is a finding.
#include "slide/Slide.h"
#include "slide/SlideLibrary.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

namespace
{

void drawSmall(const tw::Tslide &slide)
{
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    slide.Draw(painter, image.rect(), Qt::black);
}

void readSlide(const QByteArray &bytes)
{
    tw::Tslide slide;
    try {
        slide.LoadFromBytes(bytes);
    } catch (const tw::TError &) {
        return;
    }
    // What was read is written back unchanged: a prefix of the input.
    if (!bytes.startsWith(slide.SaveToBytes()))
        std::abort();
    drawSmall(slide);
}

void readLibrary(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const tw::SlideLibrary library = tw::SlideLibrary::ReadDirectory(buffer);
        for (int i = 0; i < library.SlideCount() && i < 8; ++i) {
            try {
                const QByteArray data = library.ReadSlideData(buffer, i);
                if (data.size() > bytes.size())
                    std::abort();
                readSlide(data);
            } catch (const tw::TError &) {
            }
        }
    } catch (const tw::TError &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    readSlide(bytes);
    readLibrary(bytes);
    return 0;
}
