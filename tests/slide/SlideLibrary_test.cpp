#include "SlideBuilder.h"
#include "TestData.h"
#include "slide/Slide.h"
#include "slide/SlideLibrary.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::buildLibrary;
using test::LibrarySlide;
using test::SlideBuilder;

std::vector<LibrarySlide> threeSlides()
{
    return {{"FIRST", SlideBuilder(99, 99).colour(1).vector(1, 1, 2, 2).end().data()},
            {"SECOND", SlideBuilder(199, 99).colour(2).vector(3, 3, 4, 4).end().data()},
            {"THIRD_WITH_A_NAME_OF_32_LETTERS_", SlideBuilder(299, 99).colour(3).end().data()}};
}

// Reads slide index of the library, or the error's message.
QString readSlide(const QByteArray &library, int index, QByteArray *data = nullptr)
{
    QByteArray bytes = library;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const SlideLibrary directory = SlideLibrary::ReadDirectory(buffer);
        const QByteArray slideData = directory.ReadSlideData(buffer, index);
        Tslide slide;
        slide.LoadFromBytes(slideData);
        if (data)
            *data = slideData;
    } catch (const TError &e) {
        return e.message();
    }
    return {};
}

TEST(SlideLibrary, ReadsNamesAndEachSlidesData)
{
    const std::vector<LibrarySlide> slides = threeSlides();
    QByteArray bytes = buildLibrary(slides);
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const SlideLibrary library = SlideLibrary::ReadDirectory(buffer);
    ASSERT_EQ(library.SlideCount(), 3);
    EXPECT_EQ(library.FileSize(), bytes.size());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(library.Entries()[std::size_t(i)].name, slides[std::size_t(i)].name);
        EXPECT_EQ(library.ReadSlideData(buffer, i), slides[std::size_t(i)].data) << i;
    }
}

TEST(SlideLibrary, TheRepositoryLibraryHoldsItsSlidesByName)
{
    QFile file(test::repoTestData(QStringLiteral("slide/library.slb")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const SlideLibrary library = SlideLibrary::ReadDirectory(file);
    const char *const names[] = {"SHAPES", "OFFSETS", "FILLS"};
    ASSERT_EQ(library.SlideCount(), int(std::size(names)));
    for (int i = 0; i < library.SlideCount(); ++i) {
        const QString name = QLatin1String(names[i]);
        EXPECT_EQ(library.Entries()[std::size_t(i)].name, name);
        EXPECT_EQ(library.ReadSlideData(file, i),
                  test::readFile(test::repoTestData("slide/" + name.toLower() + ".sld")))
            << names[i];
    }
}

TEST(SlideLibrary, EmptyDirectoryHasNoSlides)
{
    QByteArray bytes = buildLibrary({});
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const SlideLibrary library = SlideLibrary::ReadDirectory(buffer);
    EXPECT_EQ(library.SlideCount(), 0);
    EXPECT_THROW(library.ReadSlideData(buffer, 0), TError);
}

TEST(SlideLibrary, UnreadableDirectoryIsRefused)
{
    const QByteArray good = buildLibrary(threeSlides());
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"empty file", QByteArray()},
        {"header only", good.left(32)},
        {"entry cut short", good.left(32 + 20)},
        {"no terminating entry", good.left(32 + 36 * 3)},
        {"names all the way to the end", QByteArray(32, '\0') + QByteArray(36 * 5, 'A')},
    };
    for (const auto &c : cases) {
        QByteArray bytes = c.bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        try {
            SlideLibrary::ReadDirectory(buffer);
            ADD_FAILURE() << c.what;
        } catch (const TError &e) {
            EXPECT_EQ(e.message(), "Invalid slide file") << c.what;
        }
    }
}

TEST(SlideLibrary, LyingEntryIsRefusedAlone)
{
    const std::vector<LibrarySlide> slides = threeSlides();
    const std::int64_t directoryEnd = 32 + 36 * 4;
    const std::int64_t second = directoryEnd + slides[0].data.size();
    const std::int64_t third = second + slides[1].data.size();
    const std::int64_t size = third + slides[2].data.size();
    struct Case {
        const char *what;
        std::vector<std::int64_t> addresses;
        int lyingSlide;
    };
    const Case cases[] = {
        {"address past the end", {directoryEnd, 0xFFFFFFF0, third}, 1},
        {"address at the end", {directoryEnd, size, third}, 1},
        {"address inside the directory", {directoryEnd, 40, third}, 1},
        {"address in the header", {4, second, third}, 0},
        {"last address past the end", {directoryEnd, second, size + 100}, 2},
        {"address pointing into another slide", {directoryEnd, second + 3, third}, 1},
    };
    for (const Case &c : cases) {
        const QByteArray library = buildLibrary(slides, c.addresses);
        for (int i = 0; i < 3; ++i) {
            QByteArray data;
            const QString error = readSlide(library, i, &data);
            if (i == c.lyingSlide) {
                EXPECT_EQ(error, "Invalid slide file") << c.what << " slide " << i;
            } else {
                EXPECT_EQ(error, QString()) << c.what << " slide " << i;
                EXPECT_TRUE(data.startsWith(slides[std::size_t(i)].data))
                    << c.what << " slide " << i;
            }
        }
    }
}

TEST(SlideLibrary, SlidesOutOfOrderStillRead)
{
    const std::vector<LibrarySlide> slides = threeSlides();
    const std::int64_t directoryEnd = 32 + 36 * 4;
    const std::int64_t second = directoryEnd + slides[0].data.size();
    const std::int64_t third = second + slides[1].data.size();
    // Third entry points at the second slide, second at the third: each still
    // ends at its end-of-file record.
    const QByteArray library = buildLibrary(slides, {directoryEnd, third, second});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(readSlide(library, i), QString()) << i;
}

} // namespace
} // namespace tw
