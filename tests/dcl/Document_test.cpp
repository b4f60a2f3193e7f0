#include "dcl/Document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace tw::dcl;

namespace
{

Document read(const char *text, const LoadOptions &options = {})
{
    return Document::fromText(QString::fromUtf8(text), QStringLiteral("t.dcl"), options);
}

QStringList rules(const Document &document)
{
    QStringList found;
    for (const Diagnostic &d : document.diagnostics())
        found << QStringLiteral("%1@%2:%3").arg(d.rule).arg(d.where.line).arg(d.where.column);
    return found;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DclDocument, ResolvesPrototypesAndStandardTilesIntoATree)
{
    const Document document = read("wide : button { width = 20; label = \"Wide\"; }\n"
                                   "bold : text { is_bold = true; label = \"Bold\"; }\n"
                                   "both : bold : wide { key = \"both\"; }\n"
                                   "d : dialog {\n"
                                   "  label = \"Demo\";\n"
                                   "  : wide { label = \"Mine\"; }\n"
                                   "  : boxed_radio_column { : radio_button { key = \"r\"; } }\n"
                                   "  both;\n"
                                   "  ok_cancel;\n"
                                   "}\n");
    EXPECT_TRUE(document.diagnostics().isEmpty()) << rules(document).join(u' ').toStdString();
    ASSERT_EQ(document.definitions().size(), 4u);
    ASSERT_EQ(document.dialogs().size(), 1u);
    const Tile *dialog = document.dialog(QStringLiteral("d"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->kind, QStringLiteral("dialog"));
    EXPECT_EQ(dialog->value(QStringLiteral("label")), QStringLiteral("Demo"));
    EXPECT_EQ(dialog->value(QStringLiteral("layout")), QStringLiteral("vertical"));
    EXPECT_TRUE(dialog->attribute(QStringLiteral("layout"))->where.isBuiltIn());
    ASSERT_EQ(dialog->children.size(), 4u);

    // An instance overrides its prototype's label and keeps its width, with where each was set.
    const Tile &wide = dialog->children[0];
    EXPECT_EQ(wide.kind, QStringLiteral("button"));
    EXPECT_EQ(wide.lineage, (QStringList{QStringLiteral("wide"), QStringLiteral("button")}));
    EXPECT_EQ(wide.where, (Position{QStringLiteral("t.dcl"), 6, 3}));
    EXPECT_EQ(wide.value(QStringLiteral("label")), QStringLiteral("Mine"));
    EXPECT_EQ(wide.attribute(QStringLiteral("label"))->where.line, 6);
    EXPECT_EQ(wide.attribute(QStringLiteral("width"))->where,
              (Position{QStringLiteral("t.dcl"), 1, 17}));
    EXPECT_TRUE(wide.isTrue(QStringLiteral("fixed_height")));

    const Tile &radios = dialog->children[1];
    EXPECT_EQ(radios.kind, QStringLiteral("boxed_radio_column"));
    EXPECT_EQ(radios.primitive, QStringLiteral("radio_cluster"));
    EXPECT_EQ(radios.children.at(0).kind, QStringLiteral("radio_button"));

    // Two parents: the leftmost one's attributes win, the kind comes from it too.
    const Tile &both = dialog->children[2];
    EXPECT_EQ(both.name, QStringLiteral("both"));
    EXPECT_EQ(both.kind, QStringLiteral("text"));
    EXPECT_EQ(both.value(QStringLiteral("label")), QStringLiteral("Bold"));
    EXPECT_EQ(both.value(QStringLiteral("width")), QStringLiteral("20"));
    EXPECT_EQ(both.where.line, 8);
    for (const Attribute &a : both.attributes)
        EXPECT_EQ(std::count_if(both.attributes.begin(), both.attributes.end(),
                                [&](const Attribute &b) { return b.name == a.name; }),
                  1);

    // The standard exit buttons as the reference describes them.
    const Tile &exits = dialog->children[3];
    EXPECT_EQ(exits.kind, QStringLiteral("column"));
    ASSERT_EQ(exits.children.size(), 1u);
    const Tile &row = exits.children[0];
    EXPECT_EQ(row.kind, QStringLiteral("row"));
    ASSERT_EQ(row.children.size(), 3u);
    EXPECT_EQ(row.children[0].value(QStringLiteral("key")), QStringLiteral("accept"));
    EXPECT_TRUE(row.children[0].isTrue(QStringLiteral("is_default")));
    EXPECT_EQ(row.children[1].kind, QStringLiteral("spacer"));
    EXPECT_EQ(row.children[2].value(QStringLiteral("key")), QStringLiteral("cancel"));
    EXPECT_EQ(row.children[2].value(QStringLiteral("width")), QStringLiteral("8"));
}

// A tile without attributes of its own takes its parents' lists whole, each name once.
TEST(DclDocument, InheritsParentAttributesOnceWithoutOwnOnes)
{
    const Document document = read("bold : text { is_bold = true; label = \"Bold\"; }\n"
                                   "wide : button { width = 20; label = \"Wide\"; }\n"
                                   "twice : bold : bold { }\n"
                                   "mixed : bold : wide { }\n");
    const struct {
        const char *name;
        QStringList attributes; // name=value, in order
    } cases[] = {
        {"bold", {"is_bold=true", "label=Bold"}},
        {"twice", {"is_bold=true", "label=Bold"}},
        {"mixed", {"is_bold=true", "label=Bold", "width=20"}},
    };
    for (const auto &expected : cases) {
        const auto found = std::find_if(
            document.definitions().begin(), document.definitions().end(),
            [&](const auto &d) { return d->tile.name == QLatin1String(expected.name); });
        ASSERT_NE(found, document.definitions().end()) << expected.name;
        QStringList own;
        for (const Attribute &a : (*found)->tile.attributes)
            if (!a.where.isBuiltIn())
                own << a.name + u'=' + a.value.text;
        EXPECT_EQ(own, expected.attributes) << expected.name;
        EXPECT_EQ((*found)->tile.kind, QStringLiteral("text")) << expected.name;
    }
}

TEST(DclDocument, StandardGroupsHoldTheirButtons)
{
    const struct {
        const char *group;
        QStringList keys;
    } groups[] = {
        {"ok_only", {"accept"}},
        {"ok_cancel", {"accept", "cancel"}},
        {"ok_cancel_help", {"accept", "cancel", "help"}},
        {"ok_cancel_help_info", {"accept", "cancel", "help", "info"}},
        {"ok_cancel_help_errtile", {"accept", "cancel", "help", "error"}},
        {"errtile", {"error"}},
    };
    for (const auto &group : groups) {
        const Document document =
            Document::fromText(QStringLiteral("d : dialog { %1; }").arg(QLatin1String(group.group)),
                               QStringLiteral("g.dcl"));
        ASSERT_EQ(document.dialogs().size(), 1u) << group.group;
        QStringList keys;
        std::function<void(const Tile &)> walk = [&](const Tile &tile) {
            if (tile.attribute(QStringLiteral("key")))
                keys << tile.value(QStringLiteral("key"));
            for (const Tile &child : tile.children)
                walk(child);
        };
        walk(*document.dialogs().front());
        EXPECT_EQ(keys, group.keys) << group.group;
    }
}

TEST(DclDocument, DefinitionProblemsAreReportedWhereTheyAre)
{
    const struct {
        const char *text;
        QStringList expected;
    } cases[] = {
        {"d : dialog { : buton { } ok_cancel; }", {"unknown-tile@1:16"}},
        {"d : dialog { : Button { } }", {"unknown-tile@1:16"}},
        {"a : b { }\nb : a { }", {"forward-reference@1:5", "circular-definition@2:5"}},
        {"d : dialog { late; }\nlate : button { }", {"forward-reference@1:14"}},
        {"x : button { }\nx : text { }", {"redefinition@2:1"}},
        {"button : button { width = 4; }\nd : dialog { button; }", {"redefinition@1:1"}},
        {"d : dialog { : ok_cancel { width = 3; } }", {"subassembly@1:16"}},
        {"d : dialog { key = \"a\"; key = \"b\"; }", {"duplicate-attribute@1:25"}},
        {"a : a { }", {"unknown-tile@1:5"}},
        // Whether a definition is resolved at once or after the whole reading, the reading's
        // problems come first, then the entries', then the resolving's, each in file order.
        {"a : button { key = \"a\"; key = \"b\"; }\na : button { }\n"
         "d : dialog { : later { } }\nlater : button { };",
         {"stray-semicolon@4:19", "redefinition@2:1", "duplicate-attribute@1:25",
          "forward-reference@3:16"}},
        {"a : button { key = \"a\"; key = \"b\"; }\n@include \"nope.dcl\"\nb : a { } ;",
         {"stray-semicolon@3:11", "include@2:1", "duplicate-attribute@1:25"}},
    };
    for (const auto &c : cases) {
        const Document document = read(c.text);
        EXPECT_EQ(rules(document), c.expected) << c.text;
    }
    // The case hint names the real tile.
    EXPECT_TRUE(read("d : dialog { : Button { } }")
                    .diagnostics()
                    .front()
                    .message.contains(QStringLiteral("did you mean button?")));
    // A redefined standard tile is what later uses get.
    const Document redefined = read("button : button { width = 4; }\nd : dialog { button; }");
    EXPECT_EQ(redefined.dialogs().front()->children.at(0).value(QStringLiteral("width")),
              QStringLiteral("4"));
}

TEST(DclDocument, ExpansionBeyondTheTileBudgetStops)
{
    // Each level holds ten of the one below: 10^6 tiles if nothing stopped it.
    QString text = QStringLiteral("l0 : column { : button { key = \"b\"; } }\n");
    for (int level = 1; level <= 6; ++level) {
        text += QStringLiteral("l%1 : column {").arg(level);
        for (int i = 0; i < 10; ++i)
            text += QStringLiteral(" l%1;").arg(level - 1);
        text += QStringLiteral(" }\n");
    }
    text += QStringLiteral("d : dialog { l6; ok_cancel; }\n");
    LoadOptions options;
    options.limits.maxTiles = 50000;
    const Document document = Document::fromText(text, QStringLiteral("bomb.dcl"), options);
    ASSERT_FALSE(document.diagnostics().isEmpty());
    EXPECT_EQ(document.diagnostics().back().rule, QStringLiteral("limit"));
    EXPECT_TRUE(
        document.diagnostics().back().message.contains(QStringLiteral("more than 50000 tiles")));
}

TEST(DclDocument, IncludesAreSearchedBesideThenInTheFoldersGiven)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir root(dir.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("main")) && root.mkpath(QStringLiteral("lib")));
    writeFile(root.filePath(QStringLiteral("main/near.dcl")),
              "near_button : button { label = \"N\"; }\n");
    writeFile(root.filePath(QStringLiteral("lib/far.dcl")),
              "@include \"far.dcl\"\nfar_button : near_button { key = \"f\"; }\n");
    writeFile(root.filePath(QStringLiteral("main/d.dcl")),
              "@include \"near.dcl\"\n@include \"far.dcl\"\n@include \"near.dcl\"\n"
              "@include \"missing.dcl\"\n@include \"acad.dcl\"\n@include \"base.dcl\"\n"
              "d : dialog { far_button; ok_only; }\n");
    LoadOptions options;
    options.includeDirs = {root.filePath(QStringLiteral("lib"))};
    const QString main = root.filePath(QStringLiteral("main/d.dcl"));
    const Document document = Document::load(main, options);
    EXPECT_TRUE(document.readError().isEmpty());
    // far.dcl including itself is a cycle; near.dcl a second time is skipped quietly.
    EXPECT_EQ(rules(document),
              (QStringList{QStringLiteral("include@1:1"), QStringLiteral("include@4:1"),
                           QStringLiteral("include@5:1")}));
    EXPECT_EQ(document.diagnostics()[0].where.file, root.filePath(QStringLiteral("lib/far.dcl")));
    EXPECT_EQ(document.diagnostics()[0].message,
              QStringLiteral("far.dcl includes itself (include cycle)"));
    EXPECT_EQ(document.files().size(), 3);
    const Tile *dialog = document.dialog(QStringLiteral("d"));
    ASSERT_NE(dialog, nullptr);
    const Tile &far = dialog->children.at(0);
    EXPECT_EQ(far.value(QStringLiteral("label")), QStringLiteral("N"));
    EXPECT_EQ(far.attribute(QStringLiteral("label"))->where.file,
              root.filePath(QStringLiteral("main/near.dcl")));
    EXPECT_EQ(far.lineage, (QStringList{QStringLiteral("far_button"), QStringLiteral("near_button"),
                                        QStringLiteral("button")}));

    // Without the folder, far.dcl is not found.
    const Document alone = Document::load(main);
    EXPECT_TRUE(alone.diagnostics()[0].message.contains(QStringLiteral("far.dcl not found")));

    // Too large, or unreadable: the file is not read.
    LoadOptions small;
    small.limits.maxFileSize = 10;
    EXPECT_TRUE(Document::load(main, small)
                    .readError()
                    .contains(QStringLiteral("larger than the 10 bytes")));
    EXPECT_FALSE(Document::load(root.filePath(QStringLiteral("none.dcl"))).readError().isEmpty());
}

TEST(DclDocument, IncludeCountAndDepthAreBounded)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir root(dir.path());
    for (int i = 0; i < 20; ++i)
        writeFile(root.filePath(QStringLiteral("f%1.dcl").arg(i)),
                  QStringLiteral("@include \"f%1.dcl\"\n").arg(i + 1).toUtf8());
    writeFile(root.filePath(QStringLiteral("f20.dcl")), "");
    LoadOptions options;
    options.limits.maxIncludeDepth = 5;
    const Document deep = Document::load(root.filePath(QStringLiteral("f0.dcl")), options);
    ASSERT_EQ(deep.diagnostics().size(), 1);
    EXPECT_EQ(deep.diagnostics()[0].rule, QStringLiteral("limit"));
    EXPECT_TRUE(deep.diagnostics()[0].message.contains(QStringLiteral("nested more than 5 deep")));

    QByteArray many;
    for (int i = 1; i <= 20; ++i)
        many += QStringLiteral("@include \"f20.dcl\"\n@include \"g%1.dcl\"\n").arg(i).toUtf8();
    for (int i = 1; i <= 20; ++i)
        writeFile(root.filePath(QStringLiteral("g%1.dcl").arg(i)), "");
    writeFile(root.filePath(QStringLiteral("many.dcl")), many);
    options.limits.maxIncludedFiles = 8;
    const Document wide = Document::load(root.filePath(QStringLiteral("many.dcl")), options);
    ASSERT_FALSE(wide.diagnostics().isEmpty());
    EXPECT_TRUE(wide.diagnostics()[0].message.contains(QStringLiteral("more than 8 files")));
}

} // namespace
