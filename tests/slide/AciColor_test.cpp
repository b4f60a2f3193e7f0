#include "slide/Slide.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct AciCase {
    int aci;
    int r, g, b;
};

TEST(AciToColor, MatchesTheTablesAndTheWheel)
{
    const AciCase cases[] = {
        {0, 0, 0, 0},       {1, 255, 0, 0},       {2, 255, 255, 0},     {3, 0, 255, 0},
        {4, 0, 255, 255},   {5, 0, 0, 255},       {6, 255, 0, 255},     {7, 0, 0, 0},
        {8, 132, 132, 132}, {9, 186, 186, 186},   {250, 0, 0, 0},       {251, 41, 41, 41},
        {252, 90, 90, 90},  {253, 132, 132, 132}, {254, 188, 188, 188}, {255, 173, 173, 173},
        {10, 255, 0, 0},    {11, 255, 129, 129},  {12, 178, 0, 0},      {13, 178, 90, 90},
        {19, 60, 30, 30},   {20, 255, 63, 0},     {30, 255, 127, 0},    {40, 255, 191, 0},
        {50, 255, 255, 0},  {90, 0, 255, 0},      {130, 0, 255, 255},   {170, 0, 0, 255},
        {210, 255, 0, 255}, {240, 255, 0, 63},    {249, 60, 30, 37},
    };
    for (const AciCase &c : cases)
        EXPECT_EQ(AciToColor(c.aci), QColor(c.r, c.g, c.b)) << c.aci;
}

TEST(ContrastColor, WhiteOnDarkBlackOnLight)
{
    const struct {
        QColor background;
        QColor expected;
    } cases[] = {
        {QColor(0, 0, 0), Qt::white},       {QColor(255, 255, 255), Qt::black},
        {QColor(0, 0, 255), Qt::white},     {QColor(255, 255, 0), Qt::black},
        {QColor(0, 128, 0), Qt::white},     {QColor(0, 255, 255), Qt::black},
        {QColor(127, 127, 127), Qt::white}, {QColor(130, 130, 130), Qt::black},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ContrastColor(c.background), c.expected) << c.background.name().toStdString();
}

} // namespace
} // namespace tw
