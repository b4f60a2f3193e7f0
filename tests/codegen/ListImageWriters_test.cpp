#include "../slide/SlideBuilder.h"
#include "ExpectedFiles.h"
#include "SlideSets.h"
#include "TestData.h"
#include "codegen/DialogCode.h"
#include "codegen/ListImageWriters.h"
#include "codegen/TileWriters.h"
#include "component/Owner.h"
#include "format/TextForm.h"
#include "tiles/DCLImage.h"
#include "tiles/DCLImageBtn.h"
#include "tiles/DCLListLabel.h"
#include "tiles/DCLPanel.h"
#include "tiles/DclLabelCombo.h"
#include "tiles/DclSBar.h"
#include "tiles/DesignRoot.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <functional>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::expectedLines;
using test::sectionLines;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

// One writer run: a tile set up by `setUp` (given the folder of slide files),
// written at eight spaces, against the expected block and sections.
struct WriterCase {
    const char *name;
    TileWriter writer;
    std::function<TControl *(TOwner *, const QString &)> setUp;
    const char *dclFile;
    const char *lispFile;
};

// Names the case in test output.
void PrintTo(const WriterCase &c, std::ostream *os)
{
    *os << c.name;
}

const WriterCase kWriterCases[] = {
    {"PopupListSet", WritePopupList,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLCombo(o);
         t->setBounds(0, 0, 200, 30);
         t->setKey(QStringLiteral("c\"1"));
         t->setCaption(QStringLiteral("Colour \"main\""));
         t->setAlignment(TCadAlignment::Right);
         t->setTabs(QStringLiteral(" 8"));
         t->setTabstop(false);
         t->setListEnabled(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setList(
             {QStringLiteral("red"), QStringLiteral("\"dark\" green"), QStringLiteral("blue")});
         t->setDclAction(QStringLiteral("OnColour()"));
         t->setLispCode({QStringLiteral("(princ colour_var)")});
         t->setLinkToVar(QStringLiteral("colour_var"));
         t->setValue(QStringLiteral("2"));
         t->setListItems(QStringLiteral("(TStrings)"));
         t->setEditWidth(120);
         return t;
     },
     "codegen/listimg_popup_set.dcl", "codegen/listimg_popup_set.lsp"},
    {"PopupListClear", WritePopupList,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLCombo(o);
         t->setKey(QStringLiteral("c2"));
         t->setTabs(QStringLiteral("   "));
         t->setTabstop(true);
         return t;
     },
     "codegen/listimg_popup_clear.dcl", "codegen/listimg_no_fragments.lsp"},
    {"ListBoxSet", WriteListBox,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLListLabel(o);
         t->setBounds(0, 0, 180, 120);
         t->setKey(QStringLiteral("layers"));
         t->setLabelCaption(QStringLiteral("Layers:"));
         t->setAlignment(TCadAlignment::Left);
         t->setTabs(QStringLiteral("10 20"));
         t->setTabstop(false);
         t->setListEnabled(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setMultipleSelect(true);
         t->setAllowAccept(true);
         t->setList({QStringLiteral("0"), QStringLiteral("Walls")});
         t->setDclAction(QStringLiteral("OnLayer"));
         t->setLinkToVar(QStringLiteral("layer_var"));
         return t;
     },
     "codegen/listimg_listbox_set.dcl", "codegen/listimg_listbox_set.lsp"},
    {"ListBoxClear", WriteListBox,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLListLabel(o);
         t->setKey(QStringLiteral("l2"));
         t->setAlignment(TCadAlignment::Center);
         t->setTabstop(true);
         t->setList({QStringLiteral("single")});
         t->setDclAction(QStringLiteral("   "));
         t->setLispCode({QStringLiteral("(princ)")});
         t->setLinkToVar(QStringLiteral("  "));
         return t;
     },
     "codegen/listimg_listbox_clear.dcl", "codegen/listimg_no_fragments.lsp"},
    {"SliderSet", WriteSlider,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLScrollBar(o);
         t->setKind(sbVertical);
         t->setBounds(0, 0, 30, 150);
         t->setKey(QStringLiteral("size"));
         t->setMax(200);
         t->setMin(5);
         t->setPosition(40);
         t->setLargeChange(10);
         t->setSmallChange(2);
         t->setPageSize(25);
         t->setAlignment(taRightJustify);
         t->setTabstop(false);
         t->setEnabledProp(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setDclAction(QStringLiteral("OnSize()"));
         t->setLispCode({QStringLiteral("(princ size_var)"), QStringLiteral("(setq done T)")});
         t->setLinkToVar(QStringLiteral("size_var"));
         return t;
     },
     "codegen/listimg_slider_set.dcl", "codegen/listimg_slider_set.lsp"},
    {"SliderClear", WriteSlider,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLScrollBar(o);
         t->setBounds(0, 0, 121, 17);
         t->setKey(QStringLiteral("s2"));
         t->setMin(-10);
         t->setPosition(-3);
         t->setLinkToVar(QStringLiteral("level"));
         return t;
     },
     "codegen/listimg_slider_clear.dcl", "codegen/listimg_slider_clear.lsp"},
    {"ImageSet", WriteImage,
     [](TOwner *o, const QString &dir) -> TControl * {
         auto *t = new TDCLImage(o);
         t->setKey(QStringLiteral("preview"));
         t->setBackColor(TBackColor::dialog_background);
         t->setAlignment(taRightJustify);
         t->setTabstop(false);
         t->setDisplayEnabled(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setDefault(true);
         t->setImage(dir + QStringLiteral("/three.slb"));
         t->setSlideNo(1);
         t->setDclAction(QStringLiteral("OnPreview()"));
         t->setLispCode({QStringLiteral("(princ \"x\")")});
         return t;
     },
     "codegen/listimg_image_set.dcl", "codegen/listimg_image_set.lsp"},
    {"ImageClear", WriteImage,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLImage(o);
         t->setBounds(0, 0, 70, 45);
         t->setKey(QStringLiteral("img2"));
         t->setTabstop(true);
         t->setImage(QStringLiteral("C:\\slides\\missing.sld"));
         return t;
     },
     "codegen/listimg_image_clear.dcl", "codegen/listimg_image_clear.lsp"},
    {"ImageButtonSet", WriteImageButton,
     [](TOwner *o, const QString &dir) -> TControl * {
         auto *t = new TDCLImageBtn(o);
         t->setBounds(0, 0, 84, 30);
         t->setKey(QStringLiteral("b\"1"));
         t->setBackColor(TBackColor::magenta);
         t->setAlignment(taCenter);
         t->setAllowAccept(true);
         t->setTabstop(false);
         t->setDisplayEnabled(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setImage(dir + QStringLiteral("/clock.sld"));
         t->setDclAction(QStringLiteral("OnPick()"));
         return t;
     },
     "codegen/listimg_imagebtn_set.dcl", "codegen/listimg_imagebtn_set.lsp"},
    {"ImageButtonClear", WriteImageButton,
     [](TOwner *o, const QString &) -> TControl * {
         auto *t = new TDCLImageBtn(o);
         t->setKey(QStringLiteral("b2"));
         t->setBackColor(TBackColor::graphics_background);
         t->setTabstop(true);
         return t;
     },
     "codegen/listimg_imagebtn_clear.dcl", "codegen/listimg_imagebtn_clear.lsp"},
};

// Each writer case once per slide set, whose slides the image tiles show.
class ListImageWriterTest : public ::testing::TestWithParam<std::tuple<WriterCase, test::SlideSet>>
{
protected:
    void SetUp() override
    {
        const test::SlideSet &slides = std::get<1>(GetParam());
        if (!slides.present())
            GTEST_SKIP() << slides.missing();
        ASSERT_TRUE(m_dir.isValid());
        writeFile(m_dir.filePath(QStringLiteral("clock.sld")), slides.read(slides.picture));
        writeFile(m_dir.filePath(QStringLiteral("three.slb")),
                  test::buildLibrary({{QStringLiteral("CLOCK"), slides.read(slides.library[0])},
                                      {QStringLiteral("NORTH"), slides.read(slides.library[1])},
                                      {QStringLiteral("TREE"), slides.read(slides.library[2])}}));
    }

    QTemporaryDir m_dir;
};

TEST_P(ListImageWriterTest, BlockAndFragmentsAreAsExpected)
{
    const WriterCase &c = std::get<0>(GetParam());
    TOwner owner;
    TControl *tile = c.setUp(&owner, m_dir.path());
    QStringList dcl;
    LispSections lisp;
    c.writer(tile, dcl, QStringLiteral("        "), lisp);
    const QStringList expectedDcl = expectedLines(QString::fromLatin1(c.dclFile));
    ASSERT_EQ(dcl.size(), expectedDcl.size()) << qPrintable(dcl.join('\n'));
    for (qsizetype i = 0; i < dcl.size(); ++i)
        EXPECT_EQ(dcl[i].toStdString(), expectedDcl[i].toStdString()) << "line " << i + 1;
    EXPECT_EQ(sectionLines(lisp), expectedLines(QString::fromLatin1(c.lispFile), m_dir.path()))
        << qPrintable(sectionLines(lisp).join('\n'));
}

INSTANTIATE_TEST_SUITE_P(Writers, ListImageWriterTest,
                         ::testing::Combine(::testing::ValuesIn(kWriterCases),
                                            ::testing::ValuesIn(test::slideSets())),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + '_' +
                                    std::get<1>(info.param).name;
                         });

TEST(JoinListItems, EscapesEachItemThenSeparatesThemByBackslashN)
{
    const std::pair<QStringList, const char *> cases[] = {
        {{}, ""},
        {{QStringLiteral("a")}, "a"},
        {{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, "a\\nb\\nc"},
        {{QString(), QStringLiteral("x")}, "\\nx"},
        {{QStringLiteral("x"), QString()}, "x\\n"},
        {{QStringLiteral("C:\\a\\"), QStringLiteral("say \"x\"")}, "C:\\\\a\\\\\\nsay \\\"x\\\""},
        {{QStringLiteral("\\n"), QStringLiteral("\\")}, "\\\\n\\n\\\\"},
    };
    for (const auto &[items, joined] : cases)
        EXPECT_EQ(JoinListItems(items), QLatin1String(joined)) << qPrintable(items.join('|'));
}

TEST(WriteImageFill, SlideReferenceTakesForwardSlashes)
{
    const struct {
        const char *key;
        const char *slide;
        const char *written;
    } cases[] = {
        {"img", "C:\\slides\\a.slb(door)", "C:/slides/a.slb(door)"},
        {"img", "C:\\slides\\plain.sld", "C:/slides/plain.sld"},
        {"", "", ""},
        {"k\"q", "say\"it.sld", "say\\\"it.sld"},
    };
    for (const auto &c : cases) {
        LispSections lisp;
        WriteImageFill(QString::fromLatin1(c.key), QString::fromLatin1(c.slide), lisp);
        QString key = QString::fromLatin1(c.key);
        key.replace(QLatin1String("\""), QLatin1String("\\\""));
        const QStringList expected = {
            QStringLiteral("    (setq _x_ (dimx_tile \"%1\"))").arg(key),
            QStringLiteral("    (setq _y_ (dimy_tile \"%1\"))").arg(key),
            QStringLiteral("    (start_Image \"%1\")").arg(key),
            QStringLiteral("    (slide_image 0 0 _x_ _y_  \"%1\")").arg(QLatin1String(c.written)),
            QStringLiteral("    (end_image)"),
        };
        EXPECT_EQ(lisp.InitSection, expected) << c.slide;
        EXPECT_TRUE(lisp.SetSection.isEmpty());
        EXPECT_TRUE(lisp.FunctionSection.isEmpty());
    }
}

TEST(PopupListWriter, TabsLineOnlyForTabsThatAreNotBlank)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", nullptr},
        {"    ", nullptr},
        {" 8", "            tabs       = \" 8\" ;"},
        {"4 8 ", "            tabs       = \"4 8 \" ;"},
        {"\"q\"", "            tabs       = \"\\\"q\\\"\" ;"},
    };
    for (const auto &[tabs, line] : cases) {
        TOwner owner;
        TDCLCombo combo(&owner);
        combo.setTabs(QString::fromLatin1(tabs));
        QStringList dcl;
        LispSections lisp;
        WritePopupList(&combo, dcl, QStringLiteral("        "), lisp);
        const QStringList tabLines = dcl.filter(QStringLiteral("tabs"));
        if (line)
            EXPECT_EQ(tabLines, QStringList(QLatin1String(line))) << tabs;
        else
            EXPECT_TRUE(tabLines.isEmpty()) << tabs;
    }
}

TEST(ListImageWriters, SizesUseADecimalPointInACommaLocale)
{
    const char *previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "install locales-all";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    TOwner owner;
    TDCLScrollBar slider(&owner);
    slider.setBounds(0, 0, 121, 17);
    slider.setMax(1000);
    QStringList dcl;
    LispSections lisp;
    WriteSlider(&slider, dcl, QString(), lisp);
    EXPECT_EQ(dcl[2], QStringLiteral("    width      = 17.3 ;"));
    EXPECT_EQ(dcl[3], QStringLiteral("    height     =  1.1 ;"));
    EXPECT_EQ(dcl[5], QStringLiteral("    max_value       = 1000 ;"));

    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ListImageWriters, DispatchTableHasEveryKindInTheFixedOrder)
{
    const char *const order[] = {
        "TDCLEdit",   "TDCLButton",      "TDCLCheckButton", "TDCLRadio", "TDCLScrollBar",
        "TDCLImage",  "TDCLImageBtn",    "TDCLListLabel",   "TDCLCombo", "TDCLLabel",
        "TDCLSpacer", "TDCLGroupColumn", "TDCLGroupRow",    "TDCLRow",   "TDCLColumn"};
    const QList<TileWriterEntry> &writers = tileWriters();
    ASSERT_EQ(writers.size(), qsizetype(std::size(order)));
    for (qsizetype i = 0; i < writers.size(); ++i)
        EXPECT_STREQ(writers[i].className, order[i]) << i;
}

TEST(GenerateDialogCode, DesignWithEveryTileKindGivesTheExpectedFiles)
{
    const QByteArray design = test::readFile(test::repoTestData("codegen/every_tile_design.txt"));
    ASSERT_FALSE(design.isEmpty());
    TDesignRoot root;
    root.load(readTextForm(design));
    ASSERT_NE(root.dialogTile(), nullptr);
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(root.dialogTile(), dcl, lisp);
    const QStringList expectedDcl = expectedLines(QStringLiteral("codegen/every_tile.dcl"));
    const QStringList expectedLisp = expectedLines(QStringLiteral("codegen/every_tile.lsp"));
    ASSERT_EQ(dcl.size(), expectedDcl.size()) << qPrintable(dcl.join('\n'));
    for (qsizetype i = 0; i < dcl.size(); ++i)
        EXPECT_EQ(dcl[i].toStdString(), expectedDcl[i].toStdString()) << "dcl line " << i + 1;
    ASSERT_EQ(lisp.size(), expectedLisp.size()) << qPrintable(lisp.join('\n'));
    for (qsizetype i = 0; i < lisp.size(); ++i)
        EXPECT_EQ(lisp[i].toStdString(), expectedLisp[i].toStdString()) << "lsp line " << i + 1;
}

} // namespace
} // namespace tw
