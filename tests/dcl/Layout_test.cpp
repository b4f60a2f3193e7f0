#include "LayoutChecks.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace tw::dcl;

namespace
{

// An 8 x 16 cell and the plain measure (8 pixels a character) keep the figures easy to follow:
// margins 4 around a tile, the dialog border 8 all round, a button's text plus 16 by 24.
LayoutFont plainFont()
{
    LayoutFont font;
    font.unitWidth = 8;
    font.unitHeight = 16;
    return font;
}

struct Laid {
    Document document;
    DialogLayout layout;
    std::map<QString, QRect> rects;
    std::map<QString, QRect> fields;

    QRect operator[](const char *key) const
    {
        const auto found = rects.find(QString::fromLatin1(key));
        EXPECT_NE(found, rects.end()) << "no tile with key " << key;
        return found == rects.end() ? QRect() : found->second;
    }
};

void collect(const PlacedTile &placed, Laid &laid)
{
    const QString key = placed.tile->value(u"key");
    if (!key.isEmpty()) {
        laid.rects[key] = placed.rect;
        laid.fields[key] = placed.field;
    }
    for (const PlacedTile &child : placed.children)
        collect(child, laid);
}

std::unique_ptr<Laid> lay(const QString &text)
{
    auto laid = std::make_unique<Laid>();
    laid->document = Document::fromText(text, QStringLiteral("t.dcl"));
    EXPECT_TRUE(laid->document.diagnostics().isEmpty())
        << formatDiagnostic(laid->document.diagnostics().value(0)).toStdString();
    const auto dialogs = laid->document.dialogs();
    EXPECT_FALSE(dialogs.empty());
    if (dialogs.empty())
        return laid;
    laid->layout = layoutDialog(*dialogs.front(), plainFont());
    collect(laid->layout.root, *laid);
    EXPECT_EQ(layoutProblems(laid->layout), QStringList());
    return laid;
}

struct Rule {
    const char *name;
    const char *body; // the dialog's contents
    std::function<void(const Laid &)> check;
};

const Rule kRules[] = {
    {"a column stacks its children in file order, each stretched across it",
     R"(: button { key = "a"; label = "A"; } : button { key = "b"; label = "Bb"; })",
     [](const Laid &l) {
         EXPECT_EQ(l["a"], QRect(12, 12, 32, 24));
         EXPECT_EQ(l["b"], QRect(12, 44, 32, 24));
         EXPECT_EQ(l.layout.client, QSize(56, 80));
     }},
    {"a row places its children left to right, centred across",
     R"(: row { : button { key = "a"; label = "A"; } : list_box { key = "l"; height = 4; } })",
     [](const Laid &l) {
         EXPECT_EQ(l["l"].top(), 12);
         EXPECT_EQ(l["l"].height(), 64);
         EXPECT_LT(l["a"].right(), l["l"].left());
         EXPECT_EQ(l["a"].center().y(), l["l"].center().y());
     }},
    {"width and height are minimums; fixed_width keeps the least size, others stretch",
     R"(: button { key = "wide"; label = "W"; width = 20; }
        : button { key = "fixed"; label = "F"; fixed_width = true; }
        : button { key = "free"; label = "Free"; })",
     [](const Laid &l) {
         EXPECT_EQ(l["wide"].width(), 160);
         EXPECT_EQ(l["fixed"].width(), 24);
         EXPECT_EQ(l["free"].width(), 160);
         EXPECT_EQ(l["fixed"].left(), l["wide"].left()); // a column's default: left
     }},
    {"each alignment of a fixed tile in a column",
     R"(: button { key = "wide"; width = 30; }
        : button { key = "l"; label = "L"; fixed_width = true; alignment = left; }
        : button { key = "c"; label = "C"; fixed_width = true; alignment = centered; }
        : button { key = "r"; label = "R"; fixed_width = true; alignment = right; }
        : button { key = "bad"; label = "B"; fixed_width = true; alignment = top; })",
     [](const Laid &l) {
         EXPECT_EQ(l["l"].left(), l["wide"].left());
         EXPECT_EQ(l["c"].center().x(), l["wide"].center().x());
         EXPECT_EQ(l["r"].right(), l["wide"].right());
         EXPECT_EQ(l["bad"].left(), l["wide"].left()); // a row's word in a column: the default
     }},
    {"each alignment in a row, children_alignment as the default, the child's own winning",
     R"(: row { children_alignment = bottom;
          : list_box { key = "tall"; height = 6; }
          : button { key = "t"; alignment = top; }
          : button { key = "c"; alignment = centered; }
          : button { key = "b"; }
          : button { key = "bad"; alignment = left; } })",
     [](const Laid &l) {
         EXPECT_EQ(l["t"].top(), l["tall"].top());
         EXPECT_EQ(l["c"].center().y(), l["tall"].center().y());
         EXPECT_EQ(l["b"].bottom(), l["tall"].bottom());
         EXPECT_EQ(l["bad"].bottom(), l["tall"].bottom());
     }},
    {"extra space along a row goes evenly to the children not fixed that way",
     R"(: row { width = 60; : button { key = "a"; label = "A"; }
                : button { key = "f"; label = "F"; fixed_width = true; }
                : button { key = "b"; label = "Bbbbbbb"; } })",
     [](const Laid &l) {
         EXPECT_EQ(l["f"].width(), 24);
         EXPECT_EQ(l["b"].width() - l["a"].width(), 48); // the same share on top of each
         EXPECT_EQ(l["b"].right() + 4, 8 + 480 - 1);     // the last flush with the row's end
     }},
    {"fixed children spread evenly: first at the start, last at the end",
     R"(: row { width = 40; children_fixed_width = true;
                : button { key = "a"; label = "A"; } : button { key = "b"; label = "B"; }
                : button { key = "c"; label = "C"; } })",
     [](const Laid &l) {
         EXPECT_EQ(l["a"].left(), 12);
         EXPECT_EQ(l["c"].right(), 8 + 320 - 4 - 1);
         EXPECT_EQ(l["b"].left() - l["a"].right(), l["c"].left() - l["b"].right());
     }},
    {"spacer_0 takes the extra space; a spacer holds its own width",
     R"(: row { width = 40; : button { key = "a"; label = "A"; fixed_width = true; }
                : spacer_0 { key = "s0"; }
                : button { key = "b"; label = "B"; fixed_width = true; }
                : spacer { key = "sp"; width = 3; fixed_width = true; } })",
     [](const Laid &l) {
         EXPECT_EQ(l["a"].left(), 12);
         EXPECT_EQ(l["sp"].width(), 24);
         EXPECT_EQ(l["sp"].right() + 4, 8 + 320 - 1);
         EXPECT_EQ(l["s0"].left(), l["a"].right() + 5);
         EXPECT_EQ(l["s0"].right() + 5, l["b"].left());
     }},
    {"nested boxed clusters: a labelled or blank box keeps a label line, an empty one does not",
     R"(: boxed_column { key = "outer"; label = "Outer";
          : boxed_row { key = "blank"; : button { key = "in1"; label = "X"; } }
          : boxed_row { key = "empty"; label = ""; : button { key = "in2"; label = "Y"; } } })",
     [](const Laid &l) {
         EXPECT_TRUE(l["outer"].contains(l["blank"]));
         EXPECT_TRUE(l["outer"].contains(l["empty"]));
         EXPECT_EQ(l["blank"].top(), l["outer"].top() + 20 + 4);
         EXPECT_EQ(l["in1"].top() - l["blank"].top(), 20 + 4);
         EXPECT_EQ(l["in2"].top() - l["empty"].top(), 4 + 4);
         EXPECT_GE(l["outer"].width(), 5 * 8 + 16 + 8); // the label fits in the border
     }},
    {"edit_width right-justifies the box; without it the box fills after the label",
     R"(: edit_box { key = "e"; label = "Name:"; edit_width = 12; width = 40; }
        : edit_box { key = "f"; label = "Name:"; }
        : popup_list { key = "p"; edit_width = 5; })",
     [](const Laid &l) {
         EXPECT_EQ(l.fields.at(QStringLiteral("e")).width(), (12 + 1) * 8);
         EXPECT_EQ(l.fields.at(QStringLiteral("e")).right(), l["e"].right());
         EXPECT_EQ(l.fields.at(QStringLiteral("f")).left(), l["f"].left() + 5 * 8 + 8);
         EXPECT_EQ(l.fields.at(QStringLiteral("f")).right(), l["f"].right());
         EXPECT_EQ(l.fields.at(QStringLiteral("p")).width(), (5 + 1 + 2) * 8);
         EXPECT_EQ(l["e"].height(), 24);
     }},
    {"list box height counts its label; image sides from aspect_ratio; vertical sliders stand",
     R"(: list_box { key = "lb"; label = "Items"; height = 8; fixed_height = true; }
        : image { key = "im"; width = 10; aspect_ratio = 2; fixed_width = true; }
        : slider { key = "v"; layout = vertical; fixed_width = true; }
        : slider { key = "h"; fixed_width = true; })",
     [](const Laid &l) {
         EXPECT_EQ(l["lb"].height(), 128);
         EXPECT_EQ(l.fields.at(QStringLiteral("lb")).top(), l["lb"].top() + 16);
         EXPECT_EQ(l["im"].size(), QSize(80, 40));
         EXPECT_GT(l["v"].height(), l["v"].width());
         EXPECT_GT(l["h"].width(), l["h"].height());
     }},
    {"ok_cancel: 8-unit buttons two units apart, centred under the dialog",
     R"(: text { key = "t"; width = 50; } ok_cancel;)",
     [](const Laid &l) {
         EXPECT_EQ(l["accept"].width(), 64);
         EXPECT_EQ(l["cancel"].width(), 64);
         EXPECT_EQ(l["cancel"].left() - l["accept"].right() - 1, 4 + 16 + 4 + 4 + 4);
         // As much room left of OK as right of Cancel in the 408-pixel column.
         EXPECT_EQ(l["accept"].left() - 4 - 8, 8 + 408 - (l["cancel"].right() + 1 + 4));
         EXPECT_GT(l["accept"].top(), l["t"].bottom());
     }},
    {"ok_cancel_help_errtile: three buttons in one line over the error text",
     R"(ok_cancel_help_errtile;)",
     [](const Laid &l) {
         EXPECT_EQ(l["accept"].top(), l["help"].top());
         EXPECT_LT(l["cancel"].right(), l["help"].left());
         EXPECT_GT(l["error"].top(), l["help"].bottom());
         EXPECT_GE(l["error"].width(), 35 * 8);
     }},
    {"the dialog is at least as wide as its title needs",
     R"(label = "A long title for a dialog"; : text { key = "t"; label = "x"; })",
     [](const Laid &l) { EXPECT_EQ(l.layout.client.width(), (25 + 10) * 8); }},
};

class LayoutRule : public ::testing::TestWithParam<Rule>
{
};

TEST_P(LayoutRule, PlacesTilesAsDclDoes)
{
    const Rule &rule = GetParam();
    const auto laid = lay(QStringLiteral("d : dialog { %1 }").arg(QString::fromUtf8(rule.body)));
    if (!laid->layout.root.tile)
        return;
    rule.check(*laid);
}

INSTANTIATE_TEST_SUITE_P(Rules, LayoutRule, ::testing::ValuesIn(kRules),
                         [](const ::testing::TestParamInfo<Rule> &info) {
                             return "Rule" + std::to_string(info.index);
                         });

TEST(DclLayout, JsonNamesEveryTileWithItsRectangle)
{
    const auto laid =
        lay(QStringLiteral("d : dialog { label = \"T \\\"q\\\"\"; "
                           ": boxed_row { key = \"b\"; label = \"&Box\"; "
                           ": toggle { key = \"t\"; label = \"Tog\"; } } ok_only; }"));
    const QByteArray json = layoutToJson(laid->layout);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.constData();
    EXPECT_EQ(root.value(u"name").toString(), QStringLiteral("d"));
    EXPECT_EQ(root.value(u"kind").toString(), QStringLiteral("dialog"));
    EXPECT_EQ(root.value(u"label").toString(), QStringLiteral("T \"q\""));
    EXPECT_EQ(root.value(u"x").toInt(-1), 0);
    EXPECT_EQ(root.value(u"width").toInt(), laid->layout.client.width());
    EXPECT_EQ(root.value(u"unit").toObject().value(u"height").toInt(), 16);
    const QJsonArray children = root.value(u"children").toArray();
    ASSERT_EQ(children.size(), 2);
    const QJsonObject box = children[0].toObject();
    EXPECT_EQ(box.value(u"kind").toString(), QStringLiteral("boxed_row"));
    EXPECT_EQ(box.value(u"label").toString(), QStringLiteral("&Box"));
    EXPECT_FALSE(box.contains(u"name"));
    const QJsonObject toggle = box.value(u"children").toArray()[0].toObject();
    EXPECT_EQ(toggle.value(u"key").toString(), QStringLiteral("t"));
    EXPECT_EQ(toggle.value(u"y").toInt(), laid->rects.at(QStringLiteral("t")).y());
    // The exit group is expanded: a column holding the OK button.
    const QJsonObject exit = children[1].toObject();
    EXPECT_EQ(exit.value(u"kind").toString(), QStringLiteral("column"));
    EXPECT_EQ(exit.value(u"children").toArray()[0].toObject().value(u"key").toString(),
              QStringLiteral("accept"));
    EXPECT_FALSE(exit.contains(u"key"));
}

TEST(DclLayout, MeasuresTextWithTheCallersFontWithoutMnemonicMarks)
{
    LayoutFont font = plainFont();
    QStringList measured;
    font.textWidth = [&](QStringView text, bool bold) {
        measured << text.toString() + (bold ? QStringLiteral("*") : QString());
        return int(text.size()) * 10;
    };
    const Document document = Document::fromText(
        QStringLiteral("d : dialog { : button { label = \"&Save && go\"; fixed_width = true; } "
                       ": text { label = \"Bold\"; is_bold = true; } }"),
        QStringLiteral("t.dcl"));
    const DialogLayout layout = layoutDialog(*document.dialogs().front(), font);
    EXPECT_TRUE(measured.contains(QStringLiteral("Save & go")));
    EXPECT_TRUE(measured.contains(QStringLiteral("Bold*")));
    EXPECT_EQ(layout.root.children[0].rect.width(), 90 + 16);
}

// Every dialog the project generates for its test designs, and any DCL the shared test data
// holds, lays out with every tile inside its parent and no two siblings overlapping. A file of
// tiles without a dialog (the writers' fragments) is laid out as the contents of one.
void expectSoundLayouts(const QString &folder, int *dialogs)
{
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.dcl")}, QDir::Files);
    for (const QString &name : files) {
        const QString path = QDir(folder).filePath(name);
        Document document = Document::load(path);
        if (document.dialogs().empty()) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = decodeDclBytes(file.readAll());
            document = Document::fromText(QStringLiteral("d : dialog {\n%1\n}").arg(text), path);
        }
        for (const Tile *dialog : document.dialogs()) {
            ++*dialogs;
            for (const LayoutFont &font : {plainFont(), LayoutFont{6, 13, {}}}) {
                const DialogLayout layout = layoutDialog(*dialog, font);
                EXPECT_EQ(layoutProblems(layout), QStringList()) << name.toStdString();
            }
        }
    }
}

TEST(DclLayout, GeneratedDialogsLayOutInsideTheDialogWithoutOverlap)
{
    int dialogs = 0;
    expectSoundLayouts(QStringLiteral(TW_SOURCE_DIR "/tests/data/codegen"), &dialogs);
    EXPECT_GE(dialogs, 30);
}

TEST(DclLayout, SharedTestDialogsLayOutInsideTheDialogWithoutOverlap)
{
    const QString folder = QStringLiteral(TW_SOURCE_DIR "/../shared/testdata/dcl");
    if (!QDir(folder).exists())
        GTEST_SKIP() << "no ../shared/testdata/dcl beside the repository";
    int dialogs = 0;
    expectSoundLayouts(folder, &dialogs);
    EXPECT_GT(dialogs, 0);
}

} // namespace
