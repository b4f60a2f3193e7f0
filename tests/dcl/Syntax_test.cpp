#include "dcl/Syntax.h"

#include <gtest/gtest.h>

using namespace tw::dcl;

namespace
{

struct Broken {
    const char *text;
    Severity severity;
    const char *rule;
    int line;
    int column;
    const char *message; // a part of the message
};

// Each broken text yields exactly one problem, at a known place.
const Broken kBroken[] = {
    {"a : dialog { label = \"x\" }", Severity::Error, "syntax", 1, 26,
     "expected ';' after the value of label"},
    {"a : dialog {\n  label = \"x;\n}", Severity::Error, "syntax", 2, 11, "not closed on its line"},
    {"a : dialog {\n  width = .5;\n}", Severity::Error, "number", 2, 11, "write 0.5"},
    {"a : dialog {\n  width = 5.;\n}", Severity::Warning, "number", 2, 11, "5.0"},
    {"a : dialog { width = 1e3; }", Severity::Error, "number", 1, 22, "no exponent"},
    {"a : dialog {\n  : button { key = \"b\"; }\n", Severity::Error, "syntax", 1, 12,
     "never closed"},
    {"/* open\n a : dialog {}", Severity::Error, "syntax", 1, 1, "never closed with */"},
    {"a : dialog { label = \"C:\\dir\"; }", Severity::Warning, "escape", 1, 25, "\\d is not one"},
    {"a : dialog { } ;", Severity::Warning, "stray-semicolon", 1, 16, "after '}'"},
    {"@include \"x.dcl\";", Severity::Warning, "stray-semicolon", 1, 17, "after @include"},
    {"a dialog { }", Severity::Error, "syntax", 1, 3, "expected ':' and a parent tile after 'a'"},
    {"a : { }", Severity::Error, "syntax", 1, 5, "expected a tile name after ':'"},
    {"a : dialog { key \"x\"; }", Severity::Error, "syntax", 1, 18, "expected '=', ';' or ':'"},
    {"a : dialog { key = ; }", Severity::Error, "syntax", 1, 20, "expected a value for key"},
    {"a : dialog { # }", Severity::Error, "syntax", 1, 14, "unexpected character '#'"},
    {"@import \"x\"", Severity::Error, "syntax", 1, 1, "@include"},
    {"@include x", Severity::Error, "syntax", 1, 10, "file name in quotes"},
    {"}", Severity::Error, "syntax", 1, 1, "expected a definition"},
    {"a : dialog {\n\t: button { label = 5 }\n}", Severity::Error, "syntax", 2, 23, "';'"},
};

TEST(DclSyntax, BrokenTextsReportOneProblemAtItsPlace)
{
    for (const Broken &broken : kBroken) {
        Diagnostics diagnostics;
        parseDcl(QString::fromUtf8(broken.text), QStringLiteral("f.dcl"), diagnostics);
        ASSERT_EQ(diagnostics.size(), 1) << broken.text;
        const Diagnostic &d = diagnostics.front();
        EXPECT_EQ(d.severity, broken.severity) << broken.text;
        EXPECT_EQ(d.rule, QLatin1String(broken.rule)) << broken.text;
        EXPECT_EQ(d.where.file, QStringLiteral("f.dcl"));
        EXPECT_EQ(d.where.line, broken.line) << broken.text << " " << d.message.toStdString();
        EXPECT_EQ(d.where.column, broken.column) << broken.text << " " << d.message.toStdString();
        EXPECT_TRUE(d.message.contains(QString::fromUtf8(broken.message)))
            << broken.text << ": " << d.message.toStdString();
    }
}

TEST(DclSyntax, ReadsEveryFormWithPositionsAndDecodedStrings)
{
    const QString text =
        QStringLiteral("// line comment\n"
                       "@include \"parts.dcl\"\n"
                       "/* block\n comment */ big : button : text { width = -12; height = 1.5; }\n"
                       "d :dialog{label=\"Say \\\"hi\\\"\\n\\t\\\\\";\n"
                       "  ok_cancel;\n"
                       "  : row { : big { alignment = centered; } }\n"
                       "  inner : toggle { value = \"1\"; }\n"
                       "  : spacer_1;\n"
                       "}\n");
    Diagnostics diagnostics;
    const FileNode file = parseDcl(text, QStringLiteral("t.dcl"), diagnostics);
    EXPECT_TRUE(diagnostics.isEmpty()) << diagnostics.front().message.toStdString();
    ASSERT_TRUE(file.complete);
    ASSERT_EQ(file.includes.size(), 1u);
    EXPECT_EQ(file.includes[0].fileName, QStringLiteral("parts.dcl"));
    EXPECT_EQ(file.includes[0].definitionsBefore, 0u);
    ASSERT_EQ(file.definitions.size(), 2u);

    const TileNode &big = file.definitions[0];
    EXPECT_EQ(big.name, QStringLiteral("big"));
    ASSERT_EQ(big.parents.size(), 2);
    EXPECT_EQ(big.parents[1].name, QStringLiteral("text"));
    EXPECT_EQ(big.where, (Position{QStringLiteral("t.dcl"), 4, 13}));
    ASSERT_EQ(big.attributes.size(), 2u);
    EXPECT_EQ(big.attributes[0].value.type, Value::Integer);
    EXPECT_EQ(big.attributes[0].value.text, QStringLiteral("-12"));
    EXPECT_EQ(big.attributes[1].value.type, Value::Real);
    EXPECT_EQ(big.attributes[1].where.column, 48);

    const TileNode &dialog = file.definitions[1];
    ASSERT_EQ(dialog.attributes.size(), 1u);
    EXPECT_EQ(dialog.attributes[0].value.text, QStringLiteral("Say \"hi\"\n\t\\"));
    EXPECT_EQ(dialog.attributes[0].value.where, (Position{QStringLiteral("t.dcl"), 5, 17}));
    ASSERT_EQ(dialog.children.size(), 4u);
    EXPECT_TRUE(dialog.children[0].isReference);
    EXPECT_EQ(dialog.children[0].parents[0].name, QStringLiteral("ok_cancel"));
    EXPECT_EQ(dialog.children[1].children[0].attributes[0].value.type, Value::Word);
    EXPECT_EQ(dialog.children[2].name, QStringLiteral("inner"));
    EXPECT_EQ(dialog.children[2].where, (Position{QStringLiteral("t.dcl"), 8, 3}));
    EXPECT_TRUE(dialog.children[3].isReference);
}

TEST(DclSyntax, DefinitionsBeforeTheFirstIncludeGoToTheEarlyReceiver)
{
    const QString text = QStringLiteral("a : button { }\nb : a { }\n@include \"x.dcl\"\n"
                                        "c : a { }\n@include \"y.dcl\"\nd : c { }\nbroken : {");
    QStringList early;
    Diagnostics diagnostics;
    const FileNode file = parseDcl(text, QStringLiteral("t.dcl"), diagnostics, {}, false,
                                   [&](TileNode &&definition) { early << definition.name; });
    EXPECT_EQ(early, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    ASSERT_EQ(file.definitions.size(), 2u);
    EXPECT_EQ(file.definitions[0].name, QStringLiteral("c"));
    EXPECT_EQ(file.definitions[1].name, QStringLiteral("d"));
    ASSERT_EQ(file.includes.size(), 2u);
    EXPECT_EQ(file.includes[0].definitionsBefore, 0u);
    EXPECT_EQ(file.includes[1].definitionsBefore, 1u);
    EXPECT_FALSE(file.complete);
    EXPECT_EQ(diagnostics.size(), 1);
}

TEST(DclSyntax, NestingBeyondTheLimitIsReportedNotFollowed)
{
    QString text = QStringLiteral("d : dialog {");
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral(" : row {");
    Diagnostics diagnostics;
    const FileNode file = parseDcl(text, QStringLiteral("deep.dcl"), diagnostics, {10});
    ASSERT_EQ(diagnostics.size(), 1);
    EXPECT_EQ(diagnostics[0].rule, QStringLiteral("limit"));
    EXPECT_TRUE(diagnostics[0].message.contains(QStringLiteral("nested more than 10 deep")));
    EXPECT_FALSE(file.complete);
}

TEST(DclSyntax, DecodesUtf8AndFallsBackToLatin1)
{
    EXPECT_EQ(decodeDclBytes("\xEF\xBB\xBF"
                             "caf\xC3\xA9"),
              QStringLiteral("caf\u00e9"));
    EXPECT_EQ(decodeDclBytes("caf\xE9"), QStringLiteral("caf\u00e9"));
}

} // namespace
