#include "DesignerFixture.h"
#include "designer/DsnClipboard.h"
#include "designer/DsnSelect.h"
#include "format/ComponentStream.h"

#include <QClipboard>
#include <QMimeData>
#include <QtEndian>

namespace tw::test
{

class ClipboardTest : public DesignerTest
{
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        QGuiApplication::clipboard()->setText(QStringLiteral("plain"));
        a = addTile(QStringLiteral("TTestBox"), stage, {16, 16, 80, 40}, "A");
        b = addTile(QStringLiteral("TTestBox"), stage, {120, 16, 80, 40}, "B");
        box = addTile(QStringLiteral("TTestBox"), stage, {240, 120, 200, 160}, "Box");
        inner = addTile(QStringLiteral("TTestBox"), box, {8, 8, 40, 40}, "Inner");
        static_cast<TTestBox *>(a)->setCount(3);
        designOn();
        select.setDsnRegister(reg.get());
    }

    bool clipboardHasDesign() const
    {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasFormat(dsnClipboardMimeType());
    }

    void clickStage() { QTest::mouseClick(stage, Qt::LeftButton, Qt::NoModifier, {580, 380}); }

    TControl *a = nullptr;
    TControl *b = nullptr;
    TControl *box = nullptr;
    TControl *inner = nullptr;
    TDsnSelect select;
};

TEST_F(ClipboardTest, CopyWritesLengthAndStreamUnderTheDesignerFormat)
{
    select.select(QList<TControl *>{a, b});
    QTest::keyClick(stage, Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(clipboardHasDesign());
    const QByteArray block = QGuiApplication::clipboard()->mimeData()->data(dsnClipboardMimeType());
    ASSERT_GE(block.size(), 4);
    EXPECT_EQ(qFromLittleEndian<quint32>(block.constData()), quint32(block.size() - 4));
    EXPECT_TRUE(block.mid(4).startsWith("TPF0"));
    const std::vector<ComponentRecord> records = readComponentStream(block.mid(4));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, QStringLiteral("A"));
    EXPECT_EQ(records[1].className, QStringLiteral("TTestBox"));
}

TEST_F(ClipboardTest, CopyAcrossParentsOrOfNothingDoesNothing)
{
    select.select(QList<TControl *>{a, inner});
    reg->CopySelection();
    EXPECT_FALSE(clipboardHasDesign());
    clickStage();
    reg->CopySelection();
    EXPECT_FALSE(clipboardHasDesign());
}

TEST_F(ClipboardTest, PasteOntoTheStageMakesSelectedCopiesWithFreeNames)
{
    select.select(QList<TControl *>{a, b});
    reg->CopySelection();
    clickStage();
    created.clear();
    QTest::keyClick(stage, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(selectedNames(), (QStringList{"TestBox1", "TestBox2"}));
    TControl *copy = form->findComponent(QStringLiteral("TestBox1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->parentWidget(), stage);
    EXPECT_EQ(copy->geometry(), a->geometry());
    EXPECT_EQ(static_cast<TTestBox *>(copy)->count(), 3);
    EXPECT_TRUE(reg->isHooked(copy));
    EXPECT_TRUE(created.isEmpty());
    flush();
    EXPECT_EQ(created, (QStringList{"TestBox1", "TestBox2"}));
}

TEST_F(ClipboardTest, PasteIntoAContainerKeepsStoredPositionsInside)
{
    const struct {
        QRect stored;
        QRect pasted;
    } cases[] = {
        {{16, 16, 80, 40}, {16, 16, 80, 40}},
        {{500, 300, 80, 40}, {120, 120, 80, 40}},
        {{-30, -10, 80, 40}, {0, 0, 80, 40}},
        {{150, 10, 80, 40}, {150, 10, 80, 40}},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.stored.x());
        a->setBounds(t.stored);
        select.select(a);
        reg->CopySelection();
        select.select(box);
        reg->PasteClipboard();
        ASSERT_EQ(reg->selection()->count(), 1);
        TControl *pasted = reg->selection()->at(0);
        EXPECT_EQ(pasted->parentWidget(), box);
        EXPECT_EQ(pasted->geometry(), t.pasted);
    }
}

TEST_F(ClipboardTest, PasteIsRefusedWhenItsConditionsAreNotMet)
{
    const qsizetype before = form->components().size();
    select.select(a);
    reg->CopySelection();
    // No selection has been made since design mode came on again.
    reg->SetDesignMode(false);
    designOn();
    reg->PasteClipboard();
    EXPECT_EQ(form->components().size(), before);

    auto *leaf = addTile(QStringLiteral("TTestEditTile"), stage, {16, 300, 80, 60}, "Leaf");
    flush();
    const qsizetype withLeaf = form->components().size();
    select.select(leaf);
    reg->PasteClipboard();
    EXPECT_EQ(form->components().size(), withLeaf);
    select.select(QList<TControl *>{a, b});
    reg->PasteClipboard();
    EXPECT_EQ(form->components().size(), withLeaf);

    // Data of the format that does not hold a whole stream pastes nothing.
    auto *bad = new QMimeData;
    bad->setData(dsnClipboardMimeType(), QByteArray("\x20\0\0\0TPF0", 8));
    QGuiApplication::clipboard()->setMimeData(bad);
    clickStage();
    reg->PasteClipboard();
    EXPECT_EQ(form->components().size(), withLeaf);
}

TEST_F(ClipboardTest, CutRemovesTheOriginals)
{
    select.select(a);
    QTest::keyClick(stage, Qt::Key_X, Qt::ControlModifier);
    flush();
    EXPECT_EQ(form->findComponent(QStringLiteral("A")), nullptr);
    ASSERT_TRUE(clipboardHasDesign());
    clickStage();
    reg->PasteClipboard();
    EXPECT_EQ(selectedNames(), QStringList{"A"});
}

TEST_F(ClipboardTest, DeleteAsksPerComponentAndFreesDeepestFirstOnce)
{
    auto *kept = addTile(QStringLiteral("TTestBox"), stage, {16, 300, 40, 40}, "Kept");
    flush();
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        bool canDelete(TControl *tile) override
        {
            asked.append(tile->name());
            return tile->name() != QLatin1String("Kept");
        }
        QStringList asked;
    };
    const QStringList &asked = installRules<Rules>().asked;
    QStringList freed;
    QObject guard; // drops the connections before `freed` goes
    for (TControl *control : {a, box, inner, kept})
        QObject::connect(control, &QObject::destroyed, &guard,
                         [&freed, name = control->name()] { freed.append(name); });
    QTest::mouseClick(inner, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseClick(box, Qt::LeftButton, Qt::ShiftModifier, {150, 150});
    QTest::mouseClick(a, Qt::LeftButton, Qt::ShiftModifier, {2, 2});
    QTest::mouseClick(kept, Qt::LeftButton, Qt::ShiftModifier, {2, 2});
    ASSERT_EQ(selectedNames(), (QStringList{"Inner", "Box", "A", "Kept"}));

    QTest::keyPress(stage, Qt::Key_Delete);
    EXPECT_TRUE(freed.isEmpty());
    QTest::keyRelease(stage, Qt::Key_Delete);
    flush();
    EXPECT_EQ(asked, (QStringList{"Kept", "A", "Box", "Inner"}));
    EXPECT_EQ(freed, (QStringList{"Inner", "A", "Box"}));
    EXPECT_NE(form->findComponent(QStringLiteral("Kept")), nullptr);
    EXPECT_NE(form->findComponent(QStringLiteral("B")), nullptr);
    EXPECT_TRUE(selectedNames().isEmpty());
}

TEST(ClipboardBlock, DecodingChecksTheLengthAgainstTheBytes)
{
    const struct {
        const char *what;
        QByteArray block;
        std::optional<QByteArray> stream;
    } cases[] = {
        {"empty", QByteArray(), std::nullopt},
        {"short length", QByteArray("\x01\0\0", 3), std::nullopt},
        {"length past the end", QByteArray("\x05\0\0\0abcd", 8), std::nullopt},
        {"huge length",
         QByteArray("\xff\xff\xff\xff"
                    "abcd",
                    8),
         std::nullopt},
        {"exact", QByteArray("\x04\0\0\0abcd", 8), QByteArray("abcd")},
        {"trailing bytes ignored", QByteArray("\x02\0\0\0abcd", 8), QByteArray("ab")},
        {"zero length", QByteArray("\0\0\0\0", 4), QByteArray()},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.what);
        EXPECT_EQ(decodeClipboardBlock(t.block), t.stream);
    }
    EXPECT_EQ(decodeClipboardBlock(encodeClipboardBlock("TPF0\0")), QByteArray("TPF0\0"));
}

} // namespace tw::test
