#pragma once

#include "SlideBuilder.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tw::test
{

struct SlideFixture {
    QString file; // relative to tests/data/slide
    QByteArray data;
};

// The slide files the repository carries in tests/data/slide, so that the tests
// that read slide files run on any clone. make_slide_fixtures writes them.
inline std::vector<SlideFixture> slideFixtures()
{
    // A frame, its diagonals and a red triangle: vectors, common endpoints, a
    // solid fill and colour changes, drawn mostly in colour 7.
    const auto shapes = [](SlideByteOrder order) {
        return SlideBuilder(319, 239, 2, 0x1234, order)
            .colour(7)
            .vector(20, 20, 300, 20)
            .commonEndpoint(0, 100)
            .commonEndpoint(0, 100)
            .vector(300, 220, 20, 220)
            .commonEndpoint(0, -100)
            .commonEndpoint(0, -100)
            .vector(20, 20, 300, 220)
            .vector(20, 220, 300, 20)
            .colour(1)
            .polygon({{120, 60}, {200, 60}, {160, 120}})
            .colour(7)
            .vector(40, 200, 280, 200)
            .end()
            .data();
    };
    // A zigzag and a star made of offset vectors, in yellow and cyan. An offset
    // vector counts from the start of the line before it.
    SlideBuilder offsets(319, 239);
    offsets.colour(2).vector(20, 90, 40, 150);
    for (int k = 1; k <= 12; ++k)
        offsets.offsetVector(20, k % 2 ? 60 : -60, 40, 0);
    offsets.colour(4).vector(160, 120, 160, 120);
    for (const auto &[dx, dy] : {std::pair{100, 0},
                                 {70, 70},
                                 {0, 100},
                                 {-70, 70},
                                 {-100, 0},
                                 {-70, -70},
                                 {0, -100},
                                 {70, -70}})
        offsets.offsetVector(0, 0, dx, dy);
    offsets.end();
    // Three filled shapes, each in its own colour, inside a white frame.
    SlideBuilder fills(319, 239);
    fills.colour(7).vector(0, 0, 319, 0).vector(319, 0, 319, 239);
    fills.vector(319, 239, 0, 239).vector(0, 239, 0, 0);
    fills.colour(1).polygon({{20, 20}, {100, 20}, {100, 100}, {20, 100}});
    fills.colour(3).polygon({{140, 20}, {220, 20}, {180, 110}});
    fills.colour(5).polygon({{20, 140}, {300, 140}, {300, 220}, {160, 230}, {20, 220}});
    fills.end();

    std::vector<SlideFixture> fixtures = {
        {QStringLiteral("shapes.sld"), shapes(SlideByteOrder::Intel)},
        {QStringLiteral("offsets.sld"), offsets.data()},
        {QStringLiteral("fills.sld"), fills.data()},
        // The same picture as shapes.sld, from a machine of the other byte order.
        {QStringLiteral("refused/big-endian.sld"), shapes(SlideByteOrder::Motorola)},
    };
    fixtures.push_back({QStringLiteral("library.slb"),
                        buildLibrary({{QStringLiteral("SHAPES"), fixtures[0].data},
                                      {QStringLiteral("OFFSETS"), fixtures[1].data},
                                      {QStringLiteral("FILLS"), fixtures[2].data}})});
    return fixtures;
}

} // namespace tw::test
