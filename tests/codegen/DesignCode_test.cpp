#include "TestData.h"
#include "codegen/DialogCode.h"
#include "component/TextForm.h"
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
    // Radio buttons on the dialog in three runs split by other tiles, the last
    // run ending the dialog; their alignment words as in a column.
    "radio_runs_design",
    // Nothing but radio buttons on the dialog: one wrapper.
    "radio_only_design",
    // Clusters holding only radio buttons take their radio form, whatever
    // IsRadioGroup says; empty clusters and a column holding a radio column
    // keep theirs.
    "radio_clusters_design",
    // Radio buttons mixed with other tiles in each kind of cluster, wrapped run
    // by run in the cluster's direction; none wrapped in a radio group; nested
    // clusters.
    "radio_mixed_design",
    // Backslashes and double quotes in every string of both files: values and
    // labels ending in a backslash, list items, tabs, keys, the slide, the DCL
    // file and dialog names; attached code as typed.
    "escapes_design",
    // Actions with and without an argument list, with blanks around them, and
    // names that are not symbols.
    "actions_design",
    // Every alignment word of both alignment types, for tiles and clusters,
    // in the dialog, in columns and in rows.
    "alignment_design",
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
