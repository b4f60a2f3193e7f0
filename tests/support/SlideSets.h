#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace tw::test
{

// A folder of slide files that the slide-reading tests run on.
struct SlideSet {
    std::string name; // names the test variant
    QString folder;
    QString picture;     // a slide drawn mostly in colour 7
    QStringList library; // three slides the tests bind into a library
    int minimumFiles;    // .sld files the folder holds at least

    bool present() const;
    // Why the variant skips on a clone without the folder.
    std::string missing() const;
    QString path(const QString &file) const { return folder + u'/' + file; }
    QByteArray read(const QString &file) const;
};

// The repository's own slides (tests/data/slide), then the real slides of the
// team's shared folder beside the repository, which a plain clone lacks.
std::vector<SlideSet> slideSets();
void PrintTo(const SlideSet &set, std::ostream *os);
std::string slideSetName(const ::testing::TestParamInfo<SlideSet> &info);

// Runs once per slide set; a set whose folder is missing skips.
class SlideSetTest : public ::testing::Test, public ::testing::WithParamInterface<SlideSet>
{
protected:
    void SetUp() override
    {
        if (!GetParam().present())
            GTEST_SKIP() << GetParam().missing();
    }
};

} // namespace tw::test
