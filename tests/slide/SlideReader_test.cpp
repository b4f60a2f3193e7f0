#include "SlideBuilder.h"
#include "SlideFixtures.h"
#include "SlideSets.h"
#include "TestData.h"
#include "slide/Slide.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace tw
{
namespace
{

using test::SlideBuilder;

QString loadError(const QByteArray &bytes)
{
    Tslide slide;
    try {
        slide.LoadFromBytes(bytes);
    } catch (const TError &e) {
        EXPECT_TRUE(slide.Empty());
        return e.message();
    }
    return {};
}

TEST(SlideReader, AcceptsIntelByteOrderAndRefusesTheOther)
{
    EXPECT_EQ(loadError(SlideBuilder(999, 599, 2, 0x1234).end().data()), QString());
    EXPECT_EQ(loadError(SlideBuilder(999, 599, 2, 0x3412).end().data()),
              "SLD file not from an Intel-based machine");
}

struct RefusalCase {
    const char *what;
    QByteArray bytes;
    const char *message;
};

QByteArray withByte(QByteArray bytes, int index, char value)
{
    bytes[index] = value;
    return bytes;
}

TEST(SlideReader, RefusesBadFilesWithTheirMessage)
{
    const QByteArray good = SlideBuilder().vector(1, 2, 3, 4).end().data();
    const RefusalCase cases[] = {
        {"empty file", QByteArray(), "Invalid slide file"},
        {"header cut short", good.left(30), "Invalid slide file"},
        {"wrong letter", withByte(good, 0, 'a'), "Invalid slide file"},
        {"no carriage return", withByte(good, 13, ' '), "Invalid slide file"},
        {"no end-of-text mark", withByte(good, 15, 0), "Invalid slide file"},
        {"nonzero after the mark", withByte(good, 16, 1), "Invalid slide file"},
        {"level 1", withByte(good, 18, 1), "unsupported level 1 slide"},
        {"byte order swapped", SlideBuilder(9, 9, 2, 0x3412).data(),
         "SLD file not from an Intel-based machine"},
        {"byte order word zero", SlideBuilder(9, 9, 2, 0).data(),
         "SLD file not from an Intel-based machine"},
        {"unknown record 0x80", SlideBuilder().bytes({0, 0x80, 0, 0, 0, 0, 0, 0}).end().data(),
         "Invalid slide file"},
        {"unknown record 0xFA", SlideBuilder().bytes({0, 0xFA}).end().data(), "Invalid slide file"},
        {"vector cut short", good.left(31 + 5), "Invalid slide file"},
        {"lone trailing byte", SlideBuilder().vector(1, 2, 3, 4).bytes({7}).data(),
         "Invalid slide file"},
        {"fill cut short", SlideBuilder().bytes({0, 0xFD, 1}).data(), "Invalid slide file"},
        {"offset vector cut short", SlideBuilder().bytes({0, 0xFB, 1, 2}).data(),
         "Invalid slide file"},
        {"common endpoint cut short", SlideBuilder().bytes({0, 0xFE}).data(), "Invalid slide file"},
    };
    for (const RefusalCase &c : cases)
        EXPECT_EQ(loadError(c.bytes), c.message) << c.what;
}

TEST(SlideReader, OtherLevelsReadAsTheCurrentFormat)
{
    for (int level : {0, 2, 3, 0x56, 255})
        EXPECT_EQ(loadError(SlideBuilder(9, 9, level).vector(1, 1, 2, 2).end().data()), QString())
            << level;
}

TEST(SlideReader, ReadsEveryRecordKindByteForByte)
{
    SlideBuilder all;
    all.vector(0x1234, 0x5678, 0x9ABC, 0xDEF0)
        .offsetVector(0x81, 0x02, 0x83, 0x04)
        .fill(-300, 700)
        .commonEndpoint(0x7F, 0x80)
        .colour(213)
        .end();
    struct Expected {
        SlideRecordKind kind;
        std::vector<std::uint8_t> bytes;
    };
    const Expected expected[] = {
        {SlideRecordKind::Vector, {0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A, 0xF0, 0xDE}},
        {SlideRecordKind::OffsetVector, {0x81, 0xFB, 0x02, 0x83, 0x04}},
        {SlideRecordKind::SolidFill, {0x00, 0xFD, 0xD4, 0xFE, 0xBC, 0x02}},
        {SlideRecordKind::CommonEndpoint, {0x7F, 0xFE, 0x80}},
        {SlideRecordKind::NewColour, {213, 0xFF}},
        {SlideRecordKind::EndOfFile, {0x00, 0xFC}},
    };
    Tslide slide;
    slide.LoadFromBytes(all.data());
    ASSERT_EQ(slide.Records().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const SlideRecord &record = slide.Records()[i];
        EXPECT_EQ(record.kind, expected[i].kind) << i;
        ASSERT_EQ(record.size, expected[i].bytes.size()) << i;
        for (std::size_t j = 0; j < record.size; ++j)
            EXPECT_EQ(record.bytes[j], expected[i].bytes[j]) << i << ":" << j;
    }
    EXPECT_EQ(slide.SaveToBytes(), all.data());
}

TEST(SlideReader, EndOfFileRecordEndsTheRead)
{
    const QByteArray withTail =
        SlideBuilder().vector(1, 1, 2, 2).end().bytes({0x00, 0x80, 0xFF}).data();
    Tslide slide;
    slide.LoadFromBytes(withTail);
    ASSERT_EQ(slide.Records().size(), 2u);
    EXPECT_EQ(slide.Records().back().kind, SlideRecordKind::EndOfFile);
    EXPECT_EQ(slide.SaveToBytes(), withTail.left(withTail.size() - 3));
}

TEST(SlideReader, WithoutEndRecordReadsToTheEndOfTheData)
{
    Tslide slide;
    slide.LoadFromBytes(SlideBuilder().vector(1, 1, 2, 2).colour(3).data());
    EXPECT_EQ(slide.Records().size(), 2u);
    EXPECT_FALSE(slide.Empty());
}

TEST(SlideReader, FailedLoadKeepsThePreviousSlide)
{
    Tslide slide;
    const QByteArray good = SlideBuilder(99, 49).vector(1, 1, 2, 2).end().data();
    slide.LoadFromBytes(good);
    EXPECT_THROW(slide.LoadFromBytes(good.left(20)), TError);
    EXPECT_FALSE(slide.Empty());
    EXPECT_EQ(slide.SaveToBytes(), good);
}

TEST(SlideReader, LoadsFromAStreamStartingAtItsBeginning)
{
    QByteArray bytes = SlideBuilder(99, 49).vector(1, 1, 2, 2).end().data();
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    buffer.seek(10);
    Tslide slide;
    slide.LoadFromStream(buffer);
    EXPECT_EQ(slide.ExtentX(), 100);
    EXPECT_EQ(slide.ExtentY(), 50);
}

TEST(SlideReader, SaveToStreamRewritesAndCutsTheStream)
{
    const QByteArray bytes = SlideBuilder(99, 49).vector(1, 1, 2, 2).end().data();
    Tslide slide;
    slide.LoadFromBytes(bytes);

    QByteArray target(500, 'x');
    QBuffer buffer(&target);
    ASSERT_TRUE(buffer.open(QIODevice::ReadWrite));
    buffer.seek(200);
    EXPECT_TRUE(slide.SaveToStream(buffer));
    EXPECT_EQ(target, bytes);

    QTemporaryDir dir;
    QFile file(dir.filePath("out.sld"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(400, 'y'));
    EXPECT_TRUE(slide.SaveToStream(file));
    file.close();
    EXPECT_EQ(test::readFile(dir.filePath("out.sld")), bytes);

    Tslide empty;
    QByteArray untouched("keep");
    QBuffer other(&untouched);
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    EXPECT_TRUE(empty.SaveToStream(other));
    EXPECT_EQ(untouched, "keep");
}

TEST(SlideReader, SizeFollowsScaleAndKeepsTheAspectRatio)
{
    Tslide slide;
    slide.LoadFromBytes(SlideBuilder(999, 599).end().data());
    EXPECT_EQ(slide.Width(), 1000);
    EXPECT_EQ(slide.Height(), 600);
    slide.SetWidth(500);
    EXPECT_EQ(slide.Width(), 500);
    EXPECT_EQ(slide.Height(), 300);
    slide.SetHeight(1200);
    EXPECT_EQ(slide.Width(), 2000);
    EXPECT_EQ(slide.Height(), 1200);
    slide.SetScale(-0.5f);
    EXPECT_EQ(slide.Width(), 500);
    EXPECT_EQ(slide.Height(), 300);
    slide.SetScale(100.0f);
    EXPECT_EQ(slide.Width(), 32767);
    EXPECT_EQ(slide.Height(), 32767);
}

TEST(SlideReader, EveryLoadAndScaleChangeIsSignalled)
{
    Tslide slide;
    QSignalSpy spy(&slide, &Tslide::Changed);
    slide.LoadFromBytes(SlideBuilder().end().data());
    slide.SetWidth(10);
    EXPECT_EQ(spy.count(), 2);
}

TEST(SlideReader, EmptySlideIgnoresSizeChanges)
{
    Tslide slide;
    EXPECT_TRUE(slide.Empty());
    slide.SetWidth(100);
    slide.SetHeight(100);
    EXPECT_EQ(slide.Width(), 0);
    EXPECT_EQ(slide.Height(), 0);
    EXPECT_EQ(slide.Scale(), 1.0f);
}

TEST(SlideReader, AssignCopiesAnotherSlide)
{
    Tslide source;
    const QByteArray bytes = SlideBuilder(199, 99).colour(1).vector(1, 2, 3, 4).end().data();
    source.LoadFromBytes(bytes);
    source.SetWidth(100);

    Tslide copy;
    copy.Assign(&source);
    EXPECT_FALSE(copy.Empty());
    EXPECT_EQ(copy.Width(), 100);
    EXPECT_EQ(copy.Height(), 50);
    EXPECT_EQ(copy.SaveToBytes(), bytes);

    Tslide empty;
    copy.Assign(&empty);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.SaveToBytes(), QByteArray());
}

TEST(SlideReader, AssignAndClipboardRefusals)
{
    Tslide slide;
    QObject notASlide;
    struct Case {
        std::function<void()> action;
        const char *message;
    };
    const Case cases[] = {
        {[&] { slide.Assign(&notASlide); }, "Tslide.Assign can only assign from other Tslide's"},
        {[&] { slide.Assign(nullptr); }, "Tslide.Assign can only assign from other Tslide's"},
        {[&] { slide.LoadFromClipboardFormat(); },
         "Tslide does not support loading from clipboard format"},
        {[&] { slide.SaveToClipboardFormat(); },
         "Tslide does not yet support saving to clipboard format"},
    };
    for (const Case &c : cases) {
        try {
            c.action();
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const TError &e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }
}

// Each slide file loads, writes back exactly what was read and, when it has
// drawing records, draws something on a black preview.
using SlideFiles = test::SlideSetTest;

TEST_P(SlideFiles, LoadSaveBackAndDraw)
{
    const QDir dir(GetParam().folder);
    const QStringList files = dir.entryList({"*.sld"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), GetParam().minimumFiles)
        << "slide files missing in " << dir.path().toStdString();
    for (const QString &name : files) {
        const QByteArray bytes = test::readFile(dir.filePath(name));
        Tslide slide;
        ASSERT_NO_THROW(slide.LoadFromFile(dir.filePath(name))) << name.toStdString();
        EXPECT_EQ(slide.SaveToBytes(), bytes) << name.toStdString();

        const bool draws =
            std::any_of(slide.Records().begin(), slide.Records().end(), [](const SlideRecord &r) {
                return r.kind != SlideRecordKind::EndOfFile && r.kind != SlideRecordKind::NewColour;
            });
        QImage image(300, 150, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        slide.Draw(painter, image.rect(), Qt::black);
        painter.end();
        int lit = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                lit += image.pixel(x, y) != qRgb(0, 0, 0);
        if (draws)
            EXPECT_GT(lit, 10) << name.toStdString();
        else
            EXPECT_EQ(lit, 0) << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Slides, SlideFiles, ::testing::ValuesIn(test::slideSets()),
                         test::slideSetName);

// The repository's slide files are what their recipes make: every record kind, both
// byte orders and a library; the file of the other byte order is refused.
TEST(ProjectSlides, AreTheirRecipesAndCoverEveryRecordKind)
{
    std::set<SlideRecordKind> kinds;
    for (const test::SlideFixture &fixture : test::slideFixtures()) {
        const QString path = test::repoTestData(QStringLiteral("slide/") + fixture.file);
        ASSERT_EQ(test::readFile(path), fixture.data)
            << path.toStdString() << " differs: run make_slide_fixtures tests/data/slide";
        if (!fixture.file.endsWith(QStringLiteral(".sld")))
            continue;
        if (fixture.file.startsWith(QStringLiteral("refused/"))) {
            EXPECT_EQ(loadError(fixture.data), "SLD file not from an Intel-based machine");
            continue;
        }
        Tslide slide;
        slide.LoadFromBytes(fixture.data);
        for (const SlideRecord &record : slide.Records())
            kinds.insert(record.kind);
    }
    EXPECT_EQ(kinds, (std::set<SlideRecordKind>{
                         SlideRecordKind::Vector, SlideRecordKind::OffsetVector,
                         SlideRecordKind::CommonEndpoint, SlideRecordKind::SolidFill,
                         SlideRecordKind::NewColour, SlideRecordKind::EndOfFile}));
}

} // namespace
} // namespace tw
