#include "SlideBuilder.h"
#include "slide/Slide.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::SlideBuilder;

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// Draws a slide into a rect of drawSize on an image of imageSize filled with background.
QImage render(const QByteArray &bytes, QSize drawSize, QSize imageSize = {},
              QColor background = Qt::black, QColor pen = Qt::black)
{
    if (!imageSize.isValid())
        imageSize = drawSize;
    Tslide slide;
    slide.LoadFromBytes(bytes);
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setPen(pen);
    slide.Draw(painter, QRect(QPoint(0, 0), drawSize), background);
    painter.end();
    return image;
}

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

TEST(SlideDraw, SlidePointsLandWithYFlippedAndHalvesRoundedToEven)
{
    // An 8 x 8 slide drawn 4 x 4: scale 0.5, so odd coordinates fall on halves.
    struct Case {
        int x, y;
        QPoint expected;
    };
    const Case cases[] = {
        {0, 0, {0, 4}}, {1, 0, {0, 4}}, {3, 0, {2, 4}}, {5, 0, {2, 4}},
        {7, 0, {4, 4}}, {0, 1, {0, 4}}, {0, 3, {0, 2}}, {2, 6, {1, 1}},
    };
    for (const Case &c : cases) {
        const QImage image = render(
            SlideBuilder(7, 7).colour(1).vector(c.x, c.y, c.x, c.y).end().data(), {4, 4}, {5, 5});
        EXPECT_EQ(image.pixel(c.expected), kRed) << c.x << "," << c.y;
        EXPECT_EQ(countPixels(image, kRed), 1) << c.x << "," << c.y;
    }
}

TEST(SlideDraw, OriginOfAThousandBySixHundredSlideLandsAtTheBottomLeft)
{
    const QImage image = render(SlideBuilder(999, 599).colour(1).vector(0, 0, 0, 0).end().data(),
                                {100, 60}, {101, 61});
    EXPECT_EQ(image.pixel(0, 60), kRed);
    EXPECT_EQ(countPixels(image, kRed), 1);
}

TEST(SlideDraw, LinesIncludeTheirEndPoint)
{
    struct Case {
        int fx, fy, tx, ty;
    };
    const Case cases[] = {{10, 50, 40, 50}, {40, 50, 10, 50}, {20, 20, 20, 80}, {5, 5, 90, 70}};
    for (const Case &c : cases) {
        const QImage image = render(
            SlideBuilder(99, 99).colour(1).vector(c.fx, c.fy, c.tx, c.ty).end().data(), {100, 100});
        EXPECT_EQ(image.pixel(c.fx, 100 - c.fy), kRed) << c.fx << "," << c.fy;
        EXPECT_EQ(image.pixel(c.tx, 100 - c.ty), kRed) << c.tx << "," << c.ty;
    }
}

TEST(SlideDraw, OffsetAndCommonEndpointVectorsFollowTheLastPoint)
{
    // Vector from (100, 50); offset vector from (-1, 2) starts at (99, 52) and
    // becomes the last point; the common-endpoint vectors then walk on from there.
    const QByteArray bytes = SlideBuilder(999, 999)
                                 .colour(1)
                                 .vector(100, 50, 300, 300)
                                 .offsetVector(-1, 2, -1, 2)
                                 .commonEndpoint(3, 0)
                                 .commonEndpoint(0, 3)
                                 .end()
                                 .data();
    const QImage image = render(bytes, {1000, 1000});
    EXPECT_EQ(image.pixel(99, 1000 - 52), kRed);
    EXPECT_EQ(image.pixel(101, 1000 - 52), kRed);
    EXPECT_EQ(image.pixel(102, 1000 - 52), kRed);
    EXPECT_EQ(image.pixel(102, 1000 - 55), kRed);
    EXPECT_EQ(image.pixel(103, 1000 - 55), kBlack);
    EXPECT_EQ(image.pixel(98, 1000 - 52), kBlack);
}

TEST(SlideDraw, OffsetsWrapAtSixtyFiveThousandFiveHundredAndThirtySix)
{
    // From x 0, offset -1 wraps to 65535 (far right), and +2 from there wraps to 1.
    const QByteArray bytes = SlideBuilder(99, 99)
                                 .colour(1)
                                 .vector(0, 0, 0, 0)
                                 .offsetVector(-1, 0, -1, 0)
                                 .commonEndpoint(2, 0)
                                 .commonEndpoint(1, 5)
                                 .end()
                                 .data();
    const QImage image = render(bytes, {100, 100}, {101, 101});
    EXPECT_EQ(image.pixel(50, 100), kRed) << "line back from x 65535 crosses the slide";
    EXPECT_EQ(image.pixel(2, 95), kRed);
}

TEST(SlideDraw, SolidFillPaintsATriangle)
{
    const QByteArray bytes =
        SlideBuilder(99, 99).colour(1).polygon({{10, 10}, {90, 10}, {10, 90}}).end().data();
    const QImage image = render(bytes, {100, 100});
    EXPECT_EQ(image.pixel(30, 70), kRed);
    EXPECT_EQ(image.pixel(20, 85), kRed);
    EXPECT_EQ(image.pixel(80, 20), kBlack);
    EXPECT_GT(countPixels(image, kRed), 2500);
}

TEST(SlideDraw, ClosingRightAfterOpeningFillsNothing)
{
    const QByteArray bytes = SlideBuilder(99, 99).colour(1).fill(4, -2).fill(0, -5).end().data();
    EXPECT_EQ(countPixels(render(bytes, {100, 100}), kRed), 0);
}

TEST(SlideDraw, PolygonKeepsAtMostAThousandVertices)
{
    std::vector<std::pair<int, int>> vertices(998, {10, 10});
    vertices.push_back({10, 40});
    vertices.push_back({40, 40});
    for (int i = 0; i < 500; ++i)
        vertices.push_back({90, 10});
    const QByteArray bytes = SlideBuilder(99, 99).colour(1).polygon(vertices).end().data();
    const QImage image = render(bytes, {100, 100});
    EXPECT_EQ(image.pixel(15, 100 - 35), kRed);
    EXPECT_EQ(image.pixel(50, 100 - 20), kBlack) << "vertices past 1000 are dropped";
}

struct ColourCase {
    const char *what;
    int aci;
    QColor background;
    QRgb expected;
};

TEST(SlideDraw, ColoursSevenAndZeroTakeTheBackgroundsContrast)
{
    const ColourCase cases[] = {
        {"7 on black", 7, Qt::black, kWhite},
        {"0 on black", 0, Qt::black, kWhite},
        {"7 on white", 7, Qt::white, kBlack},
        {"0 on yellow", 0, QColor(255, 255, 0), kBlack},
        {"7 on blue", 7, QColor(0, 0, 255), kWhite},
        {"7 on green preview", 7, QColor(0, 128, 0), kWhite},
        {"1 on black", 1, Qt::black, kRed},
        {"13 on white", 13, Qt::white, qRgb(178, 90, 90)},
        {"255 on black", 255, Qt::black, qRgb(173, 173, 173)},
        {"250 on white", 250, Qt::white, kBlack},
    };
    for (const ColourCase &c : cases) {
        const QImage image =
            render(SlideBuilder(99, 99).colour(c.aci).vector(20, 50, 80, 50).end().data(),
                   {100, 100}, {}, c.background);
        EXPECT_EQ(image.pixel(50, 50), c.expected) << c.what;
    }
}

TEST(SlideDraw, FillsUseTheCurrentColour)
{
    const QByteArray bytes =
        SlideBuilder(99, 99).colour(7).polygon({{10, 10}, {90, 10}, {10, 90}}).end().data();
    EXPECT_EQ(render(bytes, {100, 100}).pixel(30, 70), kWhite);
}

TEST(SlideDraw, BeforeAnyColourTheCanvasPenIsUsed)
{
    const QByteArray bytes = SlideBuilder(99, 99).vector(20, 50, 80, 50).end().data();
    const QImage image = render(bytes, {100, 100}, {}, Qt::black, QColor(0, 0, 255));
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 255));
}

TEST(SlideDraw, EmptySlideDrawsNothing)
{
    Tslide slide;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    slide.Draw(painter, image.rect(), Qt::black);
    painter.end();
    EXPECT_EQ(countPixels(image, kBlack), 100);
}

} // namespace
} // namespace tw
