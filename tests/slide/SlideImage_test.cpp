#include "SlideBuilder.h"
#include "slide/SlideImage.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::buildLibrary;
using test::LibrarySlide;
using test::SlideBuilder;

class SlideImageTest : public ::testing::Test
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

    // A library whose slide i draws a horizontal line in colour i + 1.
    QString library(const QString &name, int count)
    {
        std::vector<LibrarySlide> slides;
        for (int i = 0; i < count; ++i)
            slides.push_back(
                {QStringLiteral("SLIDE%1").arg(i),
                 SlideBuilder(99, 99).colour(i + 1).vector(0, 50, 99, 50).end().data()});
        return write(name, buildLibrary(slides));
    }

    static QImage shot(TSlideImage &image)
    {
        QImage out(image.size(), QImage::Format_RGB32);
        out.fill(Qt::gray);
        image.render(&out);
        return out;
    }

    QTemporaryDir m_dir;
};

TEST_F(SlideImageTest, DefaultsAreABlackEmptyControl)
{
    TSlideImage image;
    EXPECT_EQ(image.BackColor(), QColor(0, 0, 0));
    EXPECT_EQ(image.PictureFile(), QString());
    EXPECT_EQ(image.SlideNo(), 0);
    EXPECT_FALSE(image.IsLoaded());
}

TEST_F(SlideImageTest, MissingOrBadFilesShowOnlyTheBackground)
{
    const struct {
        const char *what;
        QString file;
    } cases[] = {
        {"missing slide", m_dir.filePath("nothing.sld")},
        {"missing library", m_dir.filePath("nothing.slb")},
        {"empty name", QString()},
        {"a folder", m_dir.path()},
        {"bad slide", write("bad.sld", "not a slide at all, just some text here....")},
        {"level 1 slide", write("old.sld", SlideBuilder(9, 9, 1).vector(1, 1, 5, 5).end().data())},
        {"bad library", write("bad.slb", QByteArray(40, 'x'))},
        {"library of nothing", write("none.slb", buildLibrary({}))},
    };
    for (const auto &c : cases) {
        TSlideImage image;
        image.resize(40, 30);
        image.SetBackColor(QColor(255, 255, 0));
        image.SetPictureFile(c.file);
        EXPECT_EQ(image.PictureFile(), c.file) << c.what;
        EXPECT_FALSE(image.IsLoaded()) << c.what;
        const QImage pixels = shot(image);
        EXPECT_EQ(pixels.pixel(20, 15), qRgb(255, 255, 0)) << c.what;
        EXPECT_EQ(pixels.pixel(10, 10), qRgb(255, 255, 0)) << c.what;
    }
}

TEST_F(SlideImageTest, SingleSlideIsDrawnStretchedToTheControl)
{
    const QString file =
        write("line.sld", SlideBuilder(99, 99).colour(7).vector(0, 50, 99, 50).end().data());
    TSlideImage image;
    image.resize(201, 41);
    image.SetPictureFile(file);
    ASSERT_TRUE(image.IsLoaded());
    EXPECT_FALSE(image.IsLibrary());
    const QImage pixels = shot(image);
    // Slide y 50 of 100 in a 41-high control: 41 - round(20.5) = 21.
    EXPECT_EQ(pixels.pixel(100, 21), qRgb(255, 255, 255));
    EXPECT_EQ(pixels.pixel(199, 21), qRgb(255, 255, 255));
    EXPECT_EQ(pixels.pixel(100, 10), qRgb(0, 0, 0));

    image.SetBackColor(Qt::white);
    EXPECT_EQ(shot(image).pixel(100, 21), qRgb(0, 0, 0));
    EXPECT_EQ(shot(image).pixel(100, 10), qRgb(255, 255, 255));
}

TEST_F(SlideImageTest, ExtensionDecidesSlideOrLibrary)
{
    const QByteArray slide = SlideBuilder(99, 99).colour(1).vector(0, 50, 99, 50).end().data();
    const struct {
        QString name;
        bool library;
    } cases[] = {{"a.sld", false}, {"b.SLD", false}, {"c.Sld", false},
                 {"d.slb", true},  {"e.SLB", true},  {"f.dat", true}};
    for (const auto &c : cases) {
        const QString path =
            c.library ? write(c.name, buildLibrary({{"ONLY", slide}})) : write(c.name, slide);
        TSlideImage image;
        image.SetPictureFile(path);
        EXPECT_TRUE(image.IsLoaded()) << c.name.toStdString();
        EXPECT_EQ(image.IsLibrary(), c.library) << c.name.toStdString();
        EXPECT_EQ(image.SlideName(), c.library ? "ONLY" : "") << c.name.toStdString();
    }
}

TEST_F(SlideImageTest, LibrarySlideNumberIsClamped)
{
    TSlideImage image;
    image.resize(100, 100);
    image.SetPictureFile(library("five.slb", 5));
    image.SetSlideNo(3);
    ASSERT_EQ(image.SlideNo(), 3);

    image.SetPictureFile(library("three.slb", 3));
    EXPECT_EQ(image.SlideNo(), 0) << "a stored number past the slides falls back to 0";
    EXPECT_EQ(image.SlideCount(), 3);
    EXPECT_EQ(image.SlideNames(), QStringList({"SLIDE0", "SLIDE1", "SLIDE2"}));

    const struct {
        int requested, shown;
        QRgb colour;
    } cases[] = {{-5, 0, qRgb(255, 0, 0)},
                 {9, 2, qRgb(0, 255, 0)},
                 {1, 1, qRgb(255, 255, 0)},
                 {2, 2, qRgb(0, 255, 0)}};
    for (const auto &c : cases) {
        image.SetSlideNo(c.requested);
        EXPECT_EQ(image.SlideNo(), c.shown) << c.requested;
        EXPECT_EQ(image.SlideName(), QStringLiteral("SLIDE%1").arg(c.shown)) << c.requested;
        EXPECT_EQ(shot(image).pixel(50, 50), c.colour) << c.requested;
    }
}

TEST_F(SlideImageTest, SlideNumberStaysWhileNothingIsLoaded)
{
    TSlideImage fresh;
    fresh.SetSlideNo(4);
    EXPECT_EQ(fresh.SlideNo(), 0);

    TSlideImage image;
    image.SetPictureFile(library("three.slb", 3));
    image.SetSlideNo(2);
    image.SetPictureFile(m_dir.filePath("gone.slb"));
    image.SetSlideNo(1);
    EXPECT_EQ(image.SlideNo(), 2);
}

TEST_F(SlideImageTest, SingleSlideFileKeepsSlideZero)
{
    TSlideImage image;
    image.SetPictureFile(write("one.sld", SlideBuilder().end().data()));
    image.SetSlideNo(5);
    EXPECT_EQ(image.SlideNo(), 0);
    EXPECT_EQ(image.SlideName(), QString());
    EXPECT_EQ(image.SlideCount(), 0);
}

TEST_F(SlideImageTest, LyingLibrarySlideIsRefusedAloneAndOthersStillShow)
{
    std::vector<LibrarySlide> slides;
    for (int i = 0; i < 3; ++i)
        slides.push_back({QStringLiteral("S%1").arg(i),
                          SlideBuilder(99, 99).colour(i + 1).vector(0, 50, 99, 50).end().data()});
    const std::int64_t first = 32 + 36 * 4;
    const std::int64_t third = first + 2 * slides[0].data.size();
    const QString file = write("liar.slb", buildLibrary(slides, {first, 0x7FFFFFFF, third}));

    TSlideImage image;
    image.resize(100, 100);
    image.SetPictureFile(file);
    ASSERT_TRUE(image.IsLoaded());
    image.SetSlideNo(1);
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_EQ(shot(image).pixel(50, 50), qRgb(0, 0, 0));
    image.SetSlideNo(2);
    EXPECT_TRUE(image.IsLoaded());
    EXPECT_EQ(shot(image).pixel(50, 50), qRgb(0, 255, 0));
    EXPECT_EQ(image.SlideName(), "S2");
}

} // namespace
} // namespace tw
