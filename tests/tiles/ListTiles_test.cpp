#include "../slide/SlideBuilder.h"
#include "SlideSets.h"
#include "TestData.h"
#include "component/ClassRegistry.h"
#include "component/ComponentStreaming.h"
#include "component/Owner.h"
#include "component/PropertyAccess.h"
#include "format/TextForm.h"
#include "slide/SlideImage.h"
#include "tiles/DCLImage.h"
#include "tiles/DCLImageBtn.h"
#include "tiles/DCLListLabel.h"
#include "tiles/DCLPanel.h"
#include "tiles/DclLabelCombo.h"
#include "tiles/DclSBar.h"
#include "tiles/DesignRoot.h"
#include "tiles/TileRegistry.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tw
{
namespace
{

// Stands for the system's scroll-bar height, known only once the application runs.
constexpr int kExtent = -1;

int scrollBarExtent()
{
    QWidget probe;
    return probe.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

QSize resolved(QSize size)
{
    return size.height() == kExtent ? QSize(size.width(), scrollBarExtent()) : size;
}

QRect resolved(QRect rect)
{
    return rect.height() == kExtent ? QRect(rect.topLeft(), resolved(rect.size())) : rect;
}

QWidget *slideDisplayOf(TControl *tile)
{
    return static_cast<TImageTile *>(tile)->slideDisplay();
}

// A tile's size and inner controls right after construction.
struct ConstructionCase {
    const char *name;
    std::function<TControl *(TOwner *)> make;
    QSize size;
    std::function<QList<QWidget *>(TControl *)> inner;
    QList<QRect> innerBounds;
};

// Names the case in test output.
void PrintTo(const ConstructionCase &c, std::ostream *os)
{
    *os << c.name;
}

const ConstructionCase kConstructionCases[] = {
    // The drop-down list: 88 wide, flush right 2 pixels in, tile height less 2.
    {"Combo",
     [](TOwner *o) -> TControl * { return new TDCLCombo(o); },
     {150, 21},
     [](TControl *t) -> QList<QWidget *> { return {static_cast<TDCLCombo *>(t)->comboBox()}; },
     {{60, 0, 88, 19}}},
    // The list box below the label, both 4 narrower than the tile.
    {"ListLabel",
     [](TOwner *o) -> TControl * { return new TDCLListLabel(o); },
     {150, 77},
     [](TControl *t) -> QList<QWidget *> {
         auto *list = static_cast<TDCLListLabel *>(t);
         return {list->listBox(), list->label()};
     },
     {{2, 16, 146, 57}, {2, 0, 146, 13}}},
    {"ScrollBar",
     [](TOwner *o) -> TControl * { return new TDCLScrollBar(o); },
     {121, kExtent},
     [](TControl *t) -> QList<QWidget *> {
         return {qobject_cast<TDCLScrollBar *>(t)->scrollBar()};
     },
     {{0, 0, 121, kExtent}}},
    {"Image",
     [](TOwner *o) -> TControl * { return new TDCLImage(o); },
     {100, 60},
     [](TControl *t) -> QList<QWidget *> { return {slideDisplayOf(t)}; },
     {{4, 4, 92, 52}}},
    {"ImageBtn",
     [](TOwner *o) -> TControl * { return new TDCLImageBtn(o); },
     {100, 60},
     [](TControl *t) -> QList<QWidget *> { return {slideDisplayOf(t)}; },
     {{4, 4, 92, 52}}},
};

class ListConstructionTest : public ::testing::TestWithParam<ConstructionCase>
{
};

TEST_P(ListConstructionTest, SizeAndInnerControlsAreAsConstructed)
{
    const ConstructionCase &c = GetParam();
    TOwner owner;
    TControl *tile = c.make(&owner);
    EXPECT_EQ(tile->size(), resolved(c.size));
    const QList<QWidget *> inner = c.inner(tile);
    ASSERT_EQ(inner.size(), c.innerBounds.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        EXPECT_EQ(inner[i]->geometry(), resolved(c.innerBounds[i])) << i;
        EXPECT_FALSE(inner[i]->accessibleName().isEmpty()) << i;
    }
    EXPECT_EQ(tile->property("Key").toString(), QString());
    EXPECT_TRUE(tile->property("Enabled").toBool());
    EXPECT_FALSE(tile->acceptsControls());
}

INSTANTIATE_TEST_SUITE_P(Tiles, ListConstructionTest, ::testing::ValuesIn(kConstructionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ListTiles, ConstructorValuesOfTheInnerControls)
{
    TOwner owner;
    TDCLCombo combo(&owner);
    EXPECT_FALSE(combo.comboBox()->isEditable());
    EXPECT_EQ(combo.bevelOuter(), bvNone);
    EXPECT_EQ(combo.captionAlignment(), taLeftJustify);
    EXPECT_EQ(combo.editWidth(), 88);
    EXPECT_FALSE(combo.tabstop());

    TDCLListLabel list(&owner);
    EXPECT_EQ(list.labelCaption(), QStringLiteral("Label"));
    EXPECT_EQ(list.caption(), QStringLiteral(" "));
    EXPECT_EQ(list.bevelOuter(), bvNone);
    EXPECT_FALSE(list.multipleSelect());
    EXPECT_FALSE(list.allowAccept());

    TDCLScrollBar slider(&owner);
    EXPECT_EQ(slider.kind(), sbHorizontal);
    EXPECT_EQ(slider.scrollBar()->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider.min(), 0);
    EXPECT_EQ(slider.max(), 100);
    EXPECT_EQ(slider.position(), 0);
    EXPECT_EQ(slider.smallChange(), 1);
    EXPECT_EQ(slider.largeChange(), 1);
    EXPECT_TRUE(slider.tabstop());
    EXPECT_TRUE(slider.enabledProp());

    TDCLImage image(&owner);
    EXPECT_EQ(image.bevelInner(), bvRaised);
    EXPECT_EQ(image.bevelOuter(), bvLowered);
    EXPECT_FALSE(image.isDefault());
    EXPECT_EQ(image.backColor(), TBackColor::black);
    EXPECT_EQ(image.slideDisplay()->BackColor(), QColor(0, 0, 0));

    TDCLImageBtn button(&owner);
    EXPECT_FALSE(button.allowAccept());
    EXPECT_FALSE(button.isDefault());
}

TEST(ComboTile, WideningMovesTheListAndKeepsItsWidth)
{
    TOwner owner;
    TDCLCombo combo(&owner);
    EXPECT_EQ(combo.comboBox()->x(), 60);
    combo.setBounds(0, 0, 250, 21);
    EXPECT_EQ(combo.comboBox()->x(), 160);
    EXPECT_EQ(combo.editWidth(), 88);
    // The height is the constructor's: only the left edge follows the tile.
    combo.setBounds(0, 0, 250, 40);
    EXPECT_EQ(combo.comboBox()->geometry(), QRect(160, 0, 88, 19));
}

TEST(ComboTile, EditWidthKeepsTheListFlushRight)
{
    TOwner owner;
    TDCLCombo combo(&owner);
    combo.setEditWidth(100);
    EXPECT_EQ(combo.comboBox()->geometry(), QRect(48, 0, 100, 19));
    EXPECT_EQ(combo.editWidth(), 100);
}

TEST(ComboTile, ListIsCopiedIntoTheDropDownAndPreviewsItsFirstItem)
{
    TOwner owner;
    TDCLCombo combo(&owner);
    QStringList lines = {QStringLiteral("red"), QStringLiteral("green")};
    combo.setList(lines);
    lines.append(QStringLiteral("blue"));
    EXPECT_EQ(combo.list(), QStringList({QStringLiteral("red"), QStringLiteral("green")}));
    EXPECT_EQ(combo.comboBox()->count(), 2);
    EXPECT_EQ(combo.comboBox()->currentText(), QStringLiteral("red"));
    combo.setList({});
    EXPECT_EQ(combo.comboBox()->count(), 0);
    EXPECT_EQ(combo.list(), QStringList());

    combo.setListEnabled(false);
    EXPECT_FALSE(combo.comboBox()->isEnabled());
    EXPECT_FALSE(combo.property("Enabled").toBool());
}

TEST(ComboTile, FreshTileShowsItsNameAsLabel)
{
    TOwner owner;
    TDCLCombo combo(&owner);
    combo.setName(QStringLiteral("DCLCombo1"));
    EXPECT_EQ(combo.caption(), QStringLiteral("DCLCombo1"));
    EXPECT_EQ(combo.comboBox()->accessibleName(), QStringLiteral("DCLCombo1"));
}

TEST(ListLabelTile, ResizingFitsTheListBoxAndTheLabel)
{
    TOwner owner;
    TDCLListLabel list(&owner);
    list.setBounds(0, 0, 200, 120);
    EXPECT_EQ(list.listBox()->geometry(), QRect(2, 16, 196, 100));
    EXPECT_EQ(list.label()->geometry(), QRect(2, 0, 196, 13));
    // Too small for a list box: nothing negative.
    list.setBounds(0, 0, 3, 10);
    EXPECT_EQ(list.listBox()->size(), QSize(0, 0));
}

TEST(ListLabelTile, InnerPropertiesLiveInTheInnerControls)
{
    TOwner owner;
    TDCLListLabel list(&owner);
    list.setLabelCaption(QStringLiteral("Layers:"));
    EXPECT_EQ(list.label()->text(), QStringLiteral("Layers:"));
    EXPECT_EQ(list.property("Caption").toString(), QStringLiteral("Layers:"));
    EXPECT_EQ(list.listBox()->accessibleName(), QStringLiteral("Layers:"));
    EXPECT_EQ(list.caption(), QStringLiteral(" "));

    list.setList({QStringLiteral("0"), QStringLiteral("Walls")});
    EXPECT_EQ(list.listBox()->count(), 2);
    EXPECT_EQ(list.list(), QStringList({QStringLiteral("0"), QStringLiteral("Walls")}));

    list.setMultipleSelect(true);
    EXPECT_EQ(list.listBox()->selectionMode(), QAbstractItemView::MultiSelection);
    list.listBox()->item(0)->setSelected(true);
    list.listBox()->item(1)->setSelected(true);
    EXPECT_EQ(list.listBox()->selectedItems().size(), 2);
    list.setMultipleSelect(false);
    EXPECT_FALSE(list.multipleSelect());

    list.setListEnabled(false);
    EXPECT_FALSE(list.listBox()->isEnabled());
    EXPECT_FALSE(list.label()->isEnabled());
    EXPECT_FALSE(list.listEnabled());
}

TEST(ScrollBarTile, ValueIsThePositionClampedToTheRange)
{
    const struct {
        int value;
        int expected;
    } cases[] = {{150, 100}, {40, 40}, {-5, 0}, {100, 100}};
    for (const auto &c : cases) {
        TOwner owner;
        TDCLScrollBar slider(&owner);
        slider.setProperty("Value", c.value);
        EXPECT_EQ(slider.position(), c.expected) << c.value;
        EXPECT_EQ(slider.property("Value").toInt(), c.expected) << c.value;
        EXPECT_EQ(slider.property("Position").toInt(), c.expected) << c.value;
    }
}

TEST(ScrollBarTile, ScrollBarPropertiesReachTheScrollBar)
{
    TOwner owner;
    TDCLScrollBar slider(&owner);
    slider.setMin(10);
    slider.setMax(60);
    slider.setSmallChange(5);
    slider.setLargeChange(20);
    slider.setPageSize(15);
    slider.setPosition(30);
    QScrollBar *bar = slider.scrollBar();
    EXPECT_EQ(bar->minimum(), 10);
    EXPECT_EQ(bar->maximum(), 60);
    EXPECT_EQ(bar->singleStep(), 5);
    EXPECT_EQ(bar->pageStep(), 15);
    EXPECT_EQ(bar->value(), 30);
    EXPECT_EQ(slider.largeChange(), 20);
    // Enabled is the tile's flag alone.
    slider.setEnabledProp(false);
    EXPECT_TRUE(bar->isEnabled());
}

TEST(ScrollBarTile, KindSwapsTheSidesExceptWhileLoading)
{
    TOwner owner;
    TDCLScrollBar slider(&owner);
    slider.setBounds(0, 0, 121, 17);
    slider.setKind(sbVertical);
    EXPECT_EQ(slider.size(), QSize(17, 121));
    EXPECT_EQ(slider.scrollBar()->orientation(), Qt::Vertical);
    EXPECT_EQ(slider.scrollBar()->geometry(), QRect(0, 0, 17, 121));
    slider.setKind(sbVertical);
    EXPECT_EQ(slider.size(), QSize(17, 121));

    slider.beginLoading();
    slider.setKind(sbHorizontal);
    slider.endLoading();
    EXPECT_EQ(slider.size(), QSize(17, 121));
    EXPECT_EQ(slider.kind(), sbHorizontal);
}

// Writes slide libraries and files for the image tests, made of the slides of
// each slide set.
class ImageTileTest : public test::SlideSetTest
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString threeSlideLibrary()
    {
        return write(QStringLiteral("three.slb"),
                     test::buildLibrary({{QStringLiteral("CLOCK"), slides().read(library(0))},
                                         {QStringLiteral("NORTH"), slides().read(library(1))},
                                         {QStringLiteral("TREE"), slides().read(library(2))}}));
    }

    const test::SlideSet &slides() const { return GetParam(); }
    QString library(int i) const { return GetParam().library[i]; }

    QTemporaryDir m_dir;
};

TEST_P(ImageTileTest, SingleSlideFileIsShownWithoutASlideName)
{
    TOwner owner;
    TDCLImageBtn image(&owner);
    const QString file = write(QStringLiteral("clock.sld"), slides().read(slides().picture));
    image.setImage(file);
    EXPECT_TRUE(image.slideDisplay()->IsLoaded());
    EXPECT_EQ(image.slideDisplay()->PictureFile(), file);
    EXPECT_EQ(image.slideName(), QString());
}

TEST_P(ImageTileTest, SlideNumberBeyondTheLibraryShowsTheLastAndIsKept)
{
    TOwner owner;
    TDCLImage image(&owner);
    image.setImage(threeSlideLibrary());
    EXPECT_EQ(image.slideName(), QStringLiteral("CLOCK"));
    image.setSlideNo(7);
    EXPECT_EQ(image.slideNo(), 7);
    EXPECT_EQ(image.slideDisplay()->SlideNo(), 2);
    EXPECT_EQ(image.slideName(), QStringLiteral("TREE"));
    image.setSlideNo(1);
    EXPECT_EQ(image.slideName(), QStringLiteral("NORTH"));
}

TEST_P(ImageTileTest, SlideNumberSetBeforeTheLibraryStillChoosesTheSlide)
{
    TOwner owner;
    TDCLImage image(&owner);
    image.setSlideNo(1);
    image.setImage(threeSlideLibrary());
    EXPECT_EQ(image.slideName(), QStringLiteral("NORTH"));
    EXPECT_EQ(image.slideNo(), 1);
}

INSTANTIATE_TEST_SUITE_P(Slides, ImageTileTest, ::testing::ValuesIn(test::slideSets()),
                         test::slideSetName);

TEST(ImageTile, MissingFileShowsOnlyTheBackgroundAndKeepsTheName)
{
    const QTemporaryDir dir;
    TOwner owner;
    TDCLImage image(&owner);
    const QString missing = dir.filePath(QStringLiteral("nowhere.sld"));
    image.setImage(missing);
    EXPECT_EQ(image.image(), missing);
    EXPECT_FALSE(image.slideDisplay()->IsLoaded());
    EXPECT_EQ(image.slideName(), QString());
}

TEST(ImageTile, BackColorPreviewFollowsTheScreenColourTable)
{
    const struct {
        TBackColor colour;
        QColor screen;
    } cases[] = {
        {TBackColor::black, QColor(0, 0, 0)},
        {TBackColor::red, QColor(255, 0, 0)},
        {TBackColor::yellow, QColor(255, 255, 0)},
        {TBackColor::green, QColor(0, 128, 0)},
        {TBackColor::cyan, QColor(0, 255, 255)},
        {TBackColor::blue, QColor(0, 0, 255)},
        {TBackColor::magenta, QColor(255, 0, 255)},
        {TBackColor::white, QColor(255, 255, 255)},
        {TBackColor::graphics_foreground, QColor(0, 0, 0)},
        {TBackColor::dialog_line, QColor(0, 0, 0)},
        {TBackColor::dialog_foreground, QColor(0, 0, 0)},
        {TBackColor::dialog_background, QColor(0, 0, 0)},
        {TBackColor::graphics_background, QColor(0, 0, 0)},
    };
    TOwner owner;
    TDCLImage image(&owner);
    for (const auto &c : cases) {
        image.setBackColor(TBackColor::white);
        image.setBackColor(c.colour);
        EXPECT_EQ(image.backColor(), c.colour);
        EXPECT_EQ(image.slideDisplay()->BackColor(), c.screen) << int(c.colour);
    }
}

TEST(ImageTile, InsetKeepsPreviousBoundsInDirectionsOfEightPixelsOrLess)
{
    TOwner owner;
    TDCLImage image(&owner);
    image.setBounds(0, 0, 120, 6);
    EXPECT_EQ(image.slideDisplay()->geometry(), QRect(4, 4, 112, 52));
    image.setBounds(0, 0, 8, 40);
    EXPECT_EQ(image.slideDisplay()->geometry(), QRect(4, 4, 112, 32));
}

TEST(ImageTile, PreviewPaintsTheBackColorInsideTheBevels)
{
    TOwner owner;
    TDCLImage image(&owner);
    image.setBackColor(TBackColor::red);
    QImage shot(image.size(), QImage::Format_RGB32);
    shot.fill(Qt::gray);
    image.render(&shot);
    EXPECT_EQ(shot.pixelColor(50, 30), QColor(255, 0, 0));
    // The lowered outer bevel is dark along the left edge.
    EXPECT_EQ(shot.pixelColor(0, 30), QColor(128, 128, 128));
}

TEST(ImageTile, EnabledLivesInTheSlideDisplay)
{
    TOwner owner;
    TDCLImageBtn image(&owner);
    image.setProperty("Enabled", false);
    EXPECT_FALSE(image.slideDisplay()->isEnabled());
    EXPECT_FALSE(image.property("Enabled").toBool());
}

// KeyFillIn: every tile here replaces an empty or blank key on resize.
struct KeyFillCase {
    const char *name;
    std::function<TControl *(TOwner *)> make;
};

// Names the case in test output.
void PrintTo(const KeyFillCase &c, std::ostream *os)
{
    *os << c.name;
}

const KeyFillCase kKeyFillCases[] = {
    {"Combo", [](TOwner *o) -> TControl * { return new TDCLCombo(o); }},
    {"ListLabel", [](TOwner *o) -> TControl * { return new TDCLListLabel(o); }},
    {"ScrollBar", [](TOwner *o) -> TControl * { return new TDCLScrollBar(o); }},
    {"Image", [](TOwner *o) -> TControl * { return new TDCLImage(o); }},
    {"ImageBtn", [](TOwner *o) -> TControl * { return new TDCLImageBtn(o); }},
};

class ListKeyFillTest : public ::testing::TestWithParam<KeyFillCase>
{
};

TEST_P(ListKeyFillTest, ResizeFillsAnEmptyOrBlankKeyOnly)
{
    TOwner owner;
    TControl *tile = GetParam().make(&owner);
    tile->setName(QStringLiteral("Tile1"));
    const struct {
        const char *key;
        const char *expected;
    } cases[] = {{"", "Tile1"}, {"   ", "Tile1"}, {"k1", "k1"}, {" k2 ", " k2 "}};
    for (const auto &c : cases) {
        tile->setProperty("Key", QString::fromLatin1(c.key));
        tile->setBounds(0, 0, tile->width() + 1, tile->height());
        EXPECT_EQ(tile->property("Key").toString(), QString::fromLatin1(c.expected)) << c.key;
    }
}

INSTANTIATE_TEST_SUITE_P(Tiles, ListKeyFillTest, ::testing::ValuesIn(kKeyFillCases),
                         [](const auto &info) { return std::string(info.param.name); });

const char *const kListClasses[] = {"TDCLCombo", "TDCLListLabel", "TDCLScrollBar", "TDCLImage",
                                    "TDCLImageBtn"};

std::unique_ptr<TControl> create(const char *className, TOwner &owner)
{
    registerTileClasses();
    return std::unique_ptr<TControl>(
        ClassRegistry::instance().create(QString::fromLatin1(className), &owner));
}

TEST(ListTileClasses, AreCreatedByTheirNames)
{
    for (const char *name : kListClasses) {
        TOwner owner;
        const std::unique_ptr<TControl> control = create(name, owner);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(className(control.get()), QString::fromLatin1(name));
        EXPECT_TRUE(isTile(control.get()));
    }
}

TEST(ListTileClasses, PublishTheBaseThenTheirOwnProperties)
{
    const QString control =
        QStringLiteral("Name Left Top Width Height OnClick OnDblClick OnResize ");
    const QString panel =
        QStringLiteral("Align Alignment BevelInner BevelOuter BorderWidth Caption "
                       "Color Enabled Font ParentFont TabOrder Visible ");
    const std::pair<const char *, QString> cases[] = {
        {"TDCLCombo", panel + "DCL_Action Edit_width Fixed_height Fixed_width Key LinkToVar "
                              "LispCode List ListItems Tabs Tabstop Value"},
        {"TDCLListLabel", panel + "Allow_accept DCL_Action Fixed_height Fixed_width Key "
                                  "LinkToVar LispCode List ListItems Multiple_select Tabs "
                                  "Tabstop Value"},
        {"TDCLScrollBar", "Align Enabled Kind LargeChange Max Min PageSize Position SmallChange "
                          "TabOrder Visible Alignment DCL_Action Fixed_height Fixed_width Key "
                          "LinkToVar LispCode Tabstop Value"},
        {"TDCLImage", panel + "BackColor DCL_Action Default Fixed_height Fixed_width Image Key "
                              "LispCode SlideNo Tabstop"},
        {"TDCLImageBtn", panel + "Allow_accept BackColor DCL_Action Default Fixed_height "
                                 "Fixed_width Image Key LispCode SlideNo Tabstop"},
    };
    for (const auto &[name, own] : cases) {
        TOwner owner;
        const std::unique_ptr<TControl> tile = create(name, owner);
        QStringList names;
        const TObjInfo info(tile.get());
        for (int i = 0; i < info.PropCount(); ++i)
            names.append(info.GetItem(i).Name);
        EXPECT_EQ(names, (control + own).split(QLatin1Char(' '), Qt::SkipEmptyParts)) << name;
    }
}

TEST(ListTileClasses, FreshTilesOmitExactlyTheirDeclaredDefaults)
{
    const struct {
        const char *className;
        QStringList omitted;
        QStringList written;
    } cases[] = {
        {"TDCLCombo",
         {"Width", "Height", "Enabled", "BevelOuter"},
         {"Alignment", "Edit_width", "Fixed_height", "Fixed_width", "Tabstop"}},
        {"TDCLListLabel",
         {"Width", "Height", "Enabled", "BevelOuter"},
         {"Alignment", "Allow_accept", "Caption", "Multiple_select", "Tabstop"}},
        {"TDCLScrollBar",
         {"Enabled", "Tabstop", "Kind", "Min", "Max", "Position", "SmallChange", "LargeChange",
          "PageSize"},
         {"Width", "Height", "Alignment", "Fixed_width", "Value"}},
        {"TDCLImage",
         {"Width", "Height", "Default", "BevelInner", "BevelOuter"},
         {"Alignment", "BackColor", "Enabled", "SlideNo", "Tabstop"}},
        {"TDCLImageBtn",
         {"Width", "Height", "Default", "Allow_accept", "BevelInner", "BevelOuter"},
         {"Alignment", "BackColor", "Enabled", "SlideNo", "Fixed_height"}},
    };
    for (const auto &c : cases) {
        TOwner owner;
        const std::unique_ptr<TControl> tile = create(c.className, owner);
        QStringList stored;
        for (const NamedValue &entry : writeComponent(tile.get(), &owner).properties)
            stored.append(entry.name);
        for (const QString &name : c.omitted)
            EXPECT_FALSE(stored.contains(name)) << c.className << " " << qPrintable(name);
        for (const QString &name : c.written)
            EXPECT_TRUE(stored.contains(name)) << c.className << " " << qPrintable(name);
    }
}

TEST(ListTileTextForm, EveryPropertyAwayFromItsDefaultSurvivesARoundTrip)
{
    const QByteArray text = test::readFile(test::repoTestData("tiles/list_image_tiles.txt"));
    ASSERT_FALSE(text.isEmpty());
    TDesignRoot root;
    root.load(readTextForm(text));
    ASSERT_NE(root.dialogTile(), nullptr);
    EXPECT_EQ(root.components().size(), 6);
    const QStringList written = QString::fromLatin1(writeTextForm(root.save())).split('\n');
    const QStringList read = QString::fromLatin1(text).split('\n');
    ASSERT_EQ(written.size(), read.size()) << qPrintable(written.join('\n'));
    for (qsizetype i = 0; i < read.size(); ++i)
        EXPECT_EQ(written[i].toStdString(), read[i].toStdString()) << "line " << i + 1;
}

const QString kListName = QStringLiteral("DCLListLabel1");

TEST(ListTileTextForm, LoadedTilesRestoreTheirInnerGeometry)
{
    const QByteArray text = "object DCLPanelBasic: TDCLPanel\n"
                            "  Width = 500\n"
                            "  Height = 400\n"
                            "  object DCLCombo1: TDCLCombo\n"
                            "    Height = 30\n"
                            "    Edit_width = 100\n"
                            "  end\n"
                            "  object DCLListLabel1: TDCLListLabel\n"
                            "    Top = 40\n"
                            "    Height = 120\n"
                            "    Caption = 'Layers'\n"
                            "  end\n"
                            "  object DCLImage1: TDCLImage\n"
                            "    Top = 200\n"
                            "    Height = 70\n"
                            "  end\n"
                            "end\n";
    TDesignRoot root;
    root.load(readTextForm(text));
    // Each docked to the top of the dialog: 492 wide.
    auto *combo = qobject_cast<TDCLCombo *>(root.findComponent(QStringLiteral("DCLCombo1")));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->width(), 492);
    EXPECT_EQ(combo->comboBox()->geometry(), QRect(390, 0, 100, 19));
    auto *list = qobject_cast<TDCLListLabel *>(root.findComponent(kListName));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->listBox()->geometry(), QRect(2, 16, 488, 100));
    EXPECT_EQ(list->label()->width(), 488);
    EXPECT_EQ(list->labelCaption(), QStringLiteral("Layers"));
    auto *image = qobject_cast<TDCLImage *>(root.findComponent(QStringLiteral("DCLImage1")));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->slideDisplay()->geometry(), QRect(4, 4, 484, 62));
}

TEST(ListTileTextForm, ListBoxLabelClearedBeforeSavingStaysClear)
{
    TDesignRoot root;
    root.load(readTextForm("object DCLPanelBasic: TDCLPanel\n"
                           "  Width = 500\n"
                           "  Height = 400\n"
                           "  object DCLListLabel1: TDCLListLabel\n"
                           "  end\n"
                           "end\n"));
    auto *list = qobject_cast<TDCLListLabel *>(root.findComponent(kListName));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->labelCaption(), QString());

    TOwner owner;
    TDCLListLabel fresh(&owner);
    EXPECT_EQ(fresh.labelCaption(), QStringLiteral("Label"));
}

} // namespace
} // namespace tw
