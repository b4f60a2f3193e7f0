#include "TestData.h"
#include "codegen/DialogCode.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

std::string expectedText(const QString &file)
{
    QString text = QString::fromUtf8(test::readFile(test::repoTestData(file)));
    EXPECT_FALSE(text.isEmpty()) << qPrintable(file);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.toStdString();
}

// Designs in text form and the DCL and AutoLISP files they generate, all
// under tests/data/codegen.
const char *const kDesigns[] = {
    // Clusters nested three deep, children listed out of position order, a
    // radio cluster with a linked variable.
    "nested_design",
};

class DesignCodeTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(DesignCodeTest, GeneratesTheExpectedFiles)
{
    const QString base = QStringLiteral("codegen/") + QLatin1String(GetParam());
    const QByteArray design = test::readFile(test::repoTestData(base + QStringLiteral(".txt")));
    ASSERT_FALSE(design.isEmpty());
    TDesignRoot root;
    root.load(readTextForm(design));
    ASSERT_NE(root.dialog(), nullptr);
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(root.dialog(), dcl, lisp);
    EXPECT_EQ(dcl.join(QLatin1Char('\n')).toStdString(), expectedText(base + ".dcl"));
    EXPECT_EQ(lisp.join(QLatin1Char('\n')).toStdString(), expectedText(base + ".lsp"));
}

INSTANTIATE_TEST_SUITE_P(Designs, DesignCodeTest, ::testing::ValuesIn(kDesigns));

} // namespace
} // namespace tw
