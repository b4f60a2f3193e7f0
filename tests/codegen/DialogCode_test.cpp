#include "ExpectedFiles.h"
#include "codegen/DialogCode.h"
#include "component/Owner.h"
#include "tiles/DCLPanel.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::expectedLines;

struct Generated {
    QStringList dcl;
    QStringList lisp;
};

Generated generate(TDCLPanel &dialog)
{
    Generated out;
    GenerateDialogCode(&dialog, out.dcl, out.lisp);
    return out;
}

TEST(DialogCode, EmptyDialogGivesTheCompleteSkeleton)
{
    TOwner owner;
    TDCLPanel dialog(&owner);
    dialog.setDialogName(QStringLiteral("empty_one"));
    dialog.setDialogCaption(QStringLiteral("An empty dialog"));
    dialog.setDclFileName(QStringLiteral("C:\\Projects\\Dialogs\\empty_one.DCL"));
    const Generated out = generate(dialog);
    EXPECT_EQ(out.dcl, expectedLines("codegen/empty_dialog.dcl"));
    EXPECT_EQ(out.lisp, expectedLines("codegen/empty_dialog.lsp"));
}

TEST(DialogCode, RetirementLineNamesTheChosenCluster)
{
    const std::pair<TRetirementButton, const char *> cases[] = {
        {TRetirementButton::errtile, "errtile;"},
        {TRetirementButton::ok_cancel_help, "ok_cancel_help;"},
        {TRetirementButton::ok_only, "ok_only;"},
        {TRetirementButton::ok_cancel_help_errtile, "ok_cancel_help_errtile;"},
        {TRetirementButton::ok_cancel, "ok_cancel;"},
        {TRetirementButton::ok_cancel_help_info, "ok_cancel_help_info;"},
    };
    for (const auto &[value, line] : cases) {
        TOwner owner;
        TDCLPanel dialog(&owner);
        dialog.setDialogName(QStringLiteral("d"));
        dialog.setRetirementButton(value);
        const Generated out = generate(dialog);
        ASSERT_EQ(out.dcl.size(), 4);
        EXPECT_EQ(out.dcl[2], QLatin1String(line));
    }
}

TEST(DialogCode, DialogNamesAreSettledAndTrimmed)
{
    const struct {
        const char *stored;
        const char *written;
        const char *kept;
    } cases[] = {
        {"", "no_name", "no_name"},
        {"   ", "no_name", "no_name"},
        {" padded ", "padded", " padded "},
        {"plain", "plain", "plain"},
    };
    for (const auto &c : cases) {
        TOwner owner;
        TDCLPanel dialog(&owner);
        dialog.setDialogName(QString::fromLatin1(c.stored));
        const Generated out = generate(dialog);
        const QString name = QString::fromLatin1(c.written);
        EXPECT_EQ(out.dcl[0], name + QStringLiteral(" : dialog { ")) << c.stored;
        EXPECT_TRUE(
            out.lisp.contains(QStringLiteral("       (if (new_dialog \"%1\" dcl_id)").arg(name)))
            << c.stored;
        EXPECT_EQ(dialog.dialogName(), QString::fromLatin1(c.kept));
    }
}

TEST(DialogCode, CaptionShowsExactlyWhatWasTyped)
{
    TOwner owner;
    TDCLPanel dialog(&owner);
    dialog.setDialogName(QStringLiteral("d"));
    dialog.setDialogCaption(QStringLiteral("Say \"hi\" \\n here"));
    EXPECT_EQ(generate(dialog).dcl[1], QStringLiteral("    label=\"Say \\\"hi\\\" \\\\n here\";"));
}

TEST(DialogCode, LoadDialogNamesTheDclFileWithoutFolders)
{
    const std::pair<const char *, const char *> cases[] = {
        {"D:\\a\\b\\c.dcl", "   (if (setq dcl_id (load_dialog \"c.dcl\"))"},
        {"/home/u/x.DCL", "   (if (setq dcl_id (load_dialog \"x.DCL\"))"},
        {"", "   (if (setq dcl_id (load_dialog \"\"))"},
    };
    for (const auto &[file, line] : cases) {
        TOwner owner;
        TDCLPanel dialog(&owner);
        dialog.setDialogName(QStringLiteral("d"));
        dialog.setDclFileName(QString::fromLatin1(file));
        EXPECT_TRUE(generate(dialog).lisp.contains(QLatin1String(line))) << file;
    }
}

TEST(DialogCode, OutputIsAppendedToTheCallersLists)
{
    TOwner owner;
    TDCLPanel dialog(&owner);
    Generated out;
    out.dcl << QStringLiteral("// before");
    out.lisp << QStringLiteral(";; before");
    GenerateDialogCode(&dialog, out.dcl, out.lisp);
    EXPECT_EQ(out.dcl.first(), QStringLiteral("// before"));
    EXPECT_EQ(out.dcl.size(), 5);
    EXPECT_EQ(out.lisp.first(), QStringLiteral(";; before"));
    EXPECT_EQ(out.lisp[1], QStringLiteral("(defun c:LoadDialog( / dcl_id)"));
}

TEST(FormatDclSize, FourWideOneDecimalInEveryLocale)
{
    const char *previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "install locales-all";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5"); // the comma locale is really in force

    const std::pair<double, const char *> cases[] = {
        {80 / 7.0, "11.4"}, {28 / 15.0, " 1.9"}, {700 / 7.0, "100.0"},
        {0.0, " 0.0"},      {0.05, " 0.1"},      {12345 / 7.0, "1763.6"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(FormatDclSize(value), QLatin1String(text)) << value;

    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
} // namespace tw
