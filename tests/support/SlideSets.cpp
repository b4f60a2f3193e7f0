#include "SlideSets.h"

#include "TestData.h"

#include <QDir>

namespace tw::test
{

bool SlideSet::present() const
{
    return QDir(folder).exists();
}

std::string SlideSet::missing() const
{
    return "slide folder missing: " + QDir::cleanPath(folder).toStdString();
}

QByteArray SlideSet::read(const QString &file) const
{
    const QByteArray data = readFile(path(file));
    EXPECT_FALSE(data.isEmpty()) << path(file).toStdString();
    return data;
}

std::vector<SlideSet> slideSets()
{
    return {
        {"ProjectSlides",
         repoTestData(QStringLiteral("slide")),
         QStringLiteral("shapes.sld"),
         {QStringLiteral("shapes.sld"), QStringLiteral("offsets.sld"), QStringLiteral("fills.sld")},
         3},
        {"RealSlides",
         sharedTestData(QStringLiteral("slides")),
         QStringLiteral("clock.sld"),
         {QStringLiteral("clock.sld"), QStringLiteral("SYMB_NRTH.sld"),
          QStringLiteral("PLNT_TREE_E.sld")},
         30},
    };
}

void PrintTo(const SlideSet &set, std::ostream *os)
{
    *os << set.name;
}

std::string slideSetName(const ::testing::TestParamInfo<SlideSet> &info)
{
    return info.param.name;
}

} // namespace tw::test
