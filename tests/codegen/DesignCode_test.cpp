#include "TestData.h"
#include "codegen/DialogCode.h"
#include "dcl/Checker.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

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

std::unique_ptr<TDesignRoot> loadDesign(const QString &base)
{
    const QByteArray design = test::readFile(test::repoTestData(base + QStringLiteral(".txt")));
    EXPECT_FALSE(design.isEmpty()) << qPrintable(base);
    auto root = std::make_unique<TDesignRoot>();
    root->load(readTextForm(design));
    return root;
}

// The text of an AutoLISP string literal whose only escapes are \\ and \".
QString readLispString(const QString &literal)
{
    QString text;
    for (qsizetype i = 0; i < literal.size(); ++i)
        text +=
            literal[i] == QLatin1Char('\\') && i + 1 < literal.size() ? literal[++i] : literal[i];
    return text;
}

class DesignCodeTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(DesignCodeTest, GeneratesTheExpectedFiles)
{
    const QString base = QStringLiteral("codegen/") + QLatin1String(GetParam());
    const auto root = loadDesign(base);
    ASSERT_NE(root->dialogTile(), nullptr);
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(root->dialogTile(), dcl, lisp);
    EXPECT_EQ(dcl.join(QLatin1Char('\n')).toStdString(), expectedText(base + ".dcl"));
    EXPECT_EQ(lisp.join(QLatin1Char('\n')).toStdString(), expectedText(base + ".lsp"));
}

// The one-file command writes exactly the two-file DCL text and defines the
// same functions before it.
TEST_P(DesignCodeTest, SingleFileWritesTheSameDclAndFunctions)
{
    const QString base = QStringLiteral("codegen/") + QLatin1String(GetParam());
    const auto root = loadDesign(base);
    ASSERT_NE(root->dialogTile(), nullptr);
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(root->dialogTile(), dcl, lisp);
    QStringList single;
    GenerateSingleFileCode(root->dialogTile(), single);

    static const QRegularExpression writeLine(
        QStringLiteral(R"re(^          \(write-line "((?:[^"\\]|\\.)*)" dcl_out\)$)re"));
    QStringList written;
    for (const QString &line : std::as_const(single))
        if (const QRegularExpressionMatch match = writeLine.match(line); match.hasMatch())
            written << readLispString(match.captured(1));
    EXPECT_EQ(written.join(QLatin1Char('\n')).toStdString(),
              dcl.join(QLatin1Char('\n')).toStdString());

    // Everything up to the load block: 14 lines in the two-file text.
    const QStringList functions = lisp.mid(1, lisp.size() - 15);
    EXPECT_EQ(single.mid(1, functions.size()), functions);

    // The one file reads as AutoLISP as well as the two-file text does: balanced, every string
    // closed (a design's own broken action stays broken in both).
    const auto problems = [&](const QStringList &text) {
        QStringList messages;
        for (const dcl::Diagnostic &problem : dcl::checkLisp(text.join(u'\n'), base))
            messages << problem.message;
        return messages;
    };
    EXPECT_EQ(problems(single), problems(lisp));
}

TEST(SingleFileCode, EscapesTheDclTextForAutoLisp)
{
    const auto root = loadDesign(QStringLiteral("codegen/escapes_design"));
    ASSERT_NE(root->dialogTile(), nullptr);
    QStringList lisp;
    GenerateSingleFileCode(root->dialogTile(), lisp);
    EXPECT_EQ(lisp.join(QLatin1Char('\n')).toStdString(),
              expectedText(QStringLiteral("codegen/escapes_design_single.lsp")));
}

INSTANTIATE_TEST_SUITE_P(Designs, DesignCodeTest, ::testing::ValuesIn(kDesigns));

} // namespace
} // namespace tw
