#include "SlideBuilder.h"
#include "SlideSets.h"
#include "slide/BackColor.h"
#include "slide/Picture.h"
#include "slide/SlideThumbnail.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::buildLibrary;
using test::SlideBuilder;

class ThumbnailTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

int countColour(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

TEST(BackColor, NamesMapToThePreviewColours)
{
    const struct {
        const char *name;
        QColor colour;
    } cases[] = {
        {"black", QColor(0, 0, 0)},
        {"red", QColor(255, 0, 0)},
        {"yellow", QColor(255, 255, 0)},
        {"green", QColor(0, 128, 0)},
        {"cyan", QColor(0, 255, 255)},
        {"blue", QColor(0, 0, 255)},
        {"magenta", QColor(255, 0, 255)},
        {"white", QColor(255, 255, 255)},
        {"graphics_foreground", QColor(0, 0, 0)},
        {"dialog_line", QColor(0, 0, 0)},
        {"dialog_foreground", QColor(0, 0, 0)},
        {"dialog_background", QColor(0, 0, 0)},
        {"graphics_background", QColor(0, 0, 0)},
    };
    ASSERT_EQ(BackColorNames().size(), qsizetype(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(BackColorNames()[qsizetype(i)], cases[i].name);
        EXPECT_EQ(BackColorPreview(int(i)), cases[i].colour) << cases[i].name;
        EXPECT_EQ(BackColorPreviewByName(cases[i].name), cases[i].colour) << cases[i].name;
    }
    EXPECT_FALSE(BackColorPreviewByName("Black"));
    EXPECT_FALSE(BackColorPreviewByName("purple"));
    EXPECT_EQ(BackColorPreview(13), QColor(0, 0, 0));
}

using SlideThumbnails = test::SlideSetTest;

TEST_P(SlideThumbnails, RenderASlideOnTheNamedBackground)
{
    const QString picture = GetParam().path(GetParam().picture);
    const SlideThumbnail onBlack = RenderSlideThumbnail(picture, 0, {160, 90}, QString("black"));
    ASSERT_TRUE(onBlack.ok()) << onBlack.error.toStdString();
    EXPECT_EQ(onBlack.image.size(), QSize(160, 90));
    EXPECT_GT(countColour(onBlack.image, qRgb(255, 255, 255)), 50);

    const SlideThumbnail onWhite = RenderSlideThumbnail(picture, 0, {160, 90}, QString("white"));
    ASSERT_TRUE(onWhite.ok());
    EXPECT_GT(countColour(onWhite.image, qRgb(0, 0, 0)), 50);
    EXPECT_GT(countColour(onWhite.image, qRgb(255, 255, 255)), 160 * 90 / 2);

    const SlideThumbnail onGreen = RenderSlideThumbnail(picture, 0, {160, 90}, QString("green"));
    EXPECT_EQ(onGreen.image.pixel(0, 0), qRgb(0, 128, 0));
}

INSTANTIATE_TEST_SUITE_P(Slides, SlideThumbnails, ::testing::ValuesIn(test::slideSets()),
                         test::slideSetName);

TEST_F(ThumbnailTest, RefusalsCarryTheReadersMessage)
{
    const struct {
        const char *name;
        QByteArray bytes;
        const char *message;
    } cases[] = {
        {"bad.sld", "AutoCAD Slidf\r\n\x1a plus enough bytes to be a header", "Invalid slide file"},
        {"old.sld", SlideBuilder(9, 9, 1).end().data(), "unsupported level 1 slide"},
        {"swap.sld", SlideBuilder(9, 9, 2, 0x3412).end().data(),
         "SLD file not from an Intel-based machine"},
        {"lib.slb", QByteArray(50, 'A'), "Invalid slide file"},
        {"empty.slb", buildLibrary({}), "Invalid slide file"},
    };
    for (const auto &c : cases) {
        const SlideThumbnail result =
            RenderSlideThumbnail(write(c.name, c.bytes), 0, {20, 20}, QColor(Qt::black));
        EXPECT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error, c.message) << c.name;
        EXPECT_TRUE(result.image.isNull()) << c.name;
    }
}

TEST_F(ThumbnailTest, OtherFailuresSayWhy)
{
    const QString good = write("good.sld", SlideBuilder().end().data());
    EXPECT_FALSE(RenderSlideThumbnail(m_dir.filePath("none.sld"), 0, {20, 20}, QColor()).ok());
    EXPECT_EQ(RenderSlideThumbnail(good, 0, {0, 20}, QColor()).error, "Invalid image size");
    EXPECT_EQ(RenderSlideThumbnail(good, 0, {20, 9000}, QColor()).error, "Invalid image size");
    EXPECT_EQ(RenderSlideThumbnail(good, 0, {20, 20}, QString("purple")).error,
              "Unknown background colour: purple");
}

TEST_F(ThumbnailTest, LibrarySlideNumberIsClamped)
{
    std::vector<test::LibrarySlide> slides;
    for (int i = 0; i < 3; ++i)
        slides.push_back({QStringLiteral("S%1").arg(i),
                          SlideBuilder(99, 99).colour(i + 1).vector(0, 50, 99, 50).end().data()});
    const QString file = write("three.slb", buildLibrary(slides));
    const struct {
        int slideNo;
        QRgb colour;
    } cases[] = {
        {-3, qRgb(255, 0, 0)}, {1, qRgb(255, 255, 0)}, {2, qRgb(0, 255, 0)}, {40, qRgb(0, 255, 0)}};
    for (const auto &c : cases) {
        const SlideThumbnail result =
            RenderSlideThumbnail(file, c.slideNo, {100, 100}, QColor(Qt::black));
        ASSERT_TRUE(result.ok()) << c.slideNo;
        EXPECT_EQ(result.image.pixel(50, 50), c.colour) << c.slideNo;
    }
}

TEST_F(ThumbnailTest, PictureFormatsListSlidesFirst)
{
    ASSERT_FALSE(PictureFormats().isEmpty());
    EXPECT_EQ(PictureFormats().first().extension, "sld");
    EXPECT_EQ(PictureFormats().first().description, "AutoCAD Slides");
    EXPECT_EQ(SlideFileFilter(), "AutoCAD Slides (*.sld)|*.sld");
    const QString filter = PictureFileFilter();
    EXPECT_TRUE(filter.startsWith("All (*.sld;")) << filter.toStdString();
    EXPECT_TRUE(filter.contains("|AutoCAD Slides (*.sld)|*.sld")) << filter.toStdString();
    EXPECT_TRUE(filter.contains("*.png")) << filter.toStdString();
}

TEST_F(ThumbnailTest, PicturesLoadSlidesThroughTheSlideReaderAndImagesThroughQt)
{
    const QString slideFile = write("pic.SLD", SlideBuilder(99, 49).colour(1).end().data());
    QImage png(7, 5, QImage::Format_RGB32);
    png.fill(Qt::blue);
    const QString pngFile = m_dir.filePath("pic.png");
    ASSERT_TRUE(png.save(pngFile));

    TPicture picture;
    ASSERT_TRUE(picture.LoadFromFile(slideFile));
    EXPECT_TRUE(picture.IsSlide());
    EXPECT_EQ(picture.Width(), 100);
    EXPECT_EQ(picture.Height(), 50);

    ASSERT_TRUE(picture.LoadFromFile(pngFile));
    EXPECT_FALSE(picture.IsSlide());
    EXPECT_EQ(picture.Width(), 7);
    QImage canvas(14, 10, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    picture.Draw(painter, canvas.rect(), Qt::black);
    painter.end();
    EXPECT_EQ(canvas.pixel(13, 9), qRgb(0, 0, 255));

    QString error;
    EXPECT_FALSE(picture.LoadFromFile(write("bad.sld", "AutoCAD"), &error));
    EXPECT_EQ(error, "Invalid slide file");
    EXPECT_TRUE(picture.IsEmpty());
}

} // namespace
} // namespace tw
