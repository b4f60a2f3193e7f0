#include "../slide/SlideBuilder.h"
#include "TestData.h"
#include "codegen/DclImport.h"
#include "codegen/DialogCode.h"
#include "dcl/Document.h"
#include "format/Error.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace tw
{
namespace
{

struct Generated {
    QString dcl;
    QString lisp;
};

Generated generate(TDCLPanel *dialog)
{
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(dialog, dcl, lisp);
    return {dcl.join(QLatin1Char('\n')), lisp.join(QLatin1Char('\n'))};
}

QStringList warningTexts(const DclImport &imported)
{
    QStringList texts;
    for (const dcl::Diagnostic &warning : imported.warnings)
        texts << dcl::formatDiagnostic(warning);
    return texts;
}

// Every design the tests generate code from: the code generator's and the importer's own.
QStringList designFiles()
{
    QStringList files;
    for (const char *folder : {"codegen", "import"}) {
        const QDir dir(test::repoTestData(QLatin1String(folder)));
        for (const QString &name : dir.entryList({QStringLiteral("*design*.txt")}, QDir::Files))
            files << dir.filePath(name);
    }
    return files;
}

// Generating from a design, importing what was generated and generating again writes the same
// DCL and AutoLISP text, and nothing is reported lost.
TEST(DclImport, GeneratedFilesComeBackAsTheSameFiles)
{
    // Designs whose dialog name DCL cannot hold: the header writes the name as it stands, so
    // the file is refused at the name; under another name the rest comes back.
    const QHash<QString, QString> refusedNames = {
        {QStringLiteral("escapes_design.txt"),
         QStringLiteral("dialog.dcl holds no dialog: dialog.dcl:1:4: error: unexpected "
                        "character '\\'")}};
    const QStringList files = designFiles();
    ASSERT_GE(files.size(), 3);
    int refused = 0;
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        TDesignRoot original;
        original.load(readTextForm(test::readFile(file)));
        ASSERT_NE(original.dialogTile(), nullptr);
        const auto refusal = refusedNames.constFind(QFileInfo(file).fileName());
        if (refusal != refusedNames.cend()) {
            const Generated named = generate(original.dialogTile());
            try {
                importDclText(named.dcl, QStringLiteral("dialog.dcl"), named.lisp,
                              QStringLiteral("dialog.lsp"));
                ADD_FAILURE() << "imported";
            } catch (const TError &error) {
                EXPECT_EQ(error.message().toStdString(), refusal->toStdString());
            }
            original.dialogTile()->setDialogName(QStringLiteral("renamed"));
            ++refused;
        }
        const Generated first = generate(original.dialogTile());
        const DclImport imported = importDclText(first.dcl, QStringLiteral("dialog.dcl"),
                                                 first.lisp, QStringLiteral("dialog.lsp"));
        EXPECT_EQ(warningTexts(imported).join(u'\n').toStdString(), "");
        EXPECT_EQ(imported.lispFile, QStringLiteral("dialog.lsp"));
        EXPECT_EQ(imported.design->dialogTile()->lispFileName(), QStringLiteral("dialog.lsp"));
        const Generated second = generate(imported.design->dialogTile());
        EXPECT_EQ(second.dcl.toStdString(), first.dcl.toStdString());
        EXPECT_EQ(second.lisp.toStdString(), first.lisp.toStdString());
    }
    EXPECT_EQ(refused, refusedNames.size());
}

// Whether the DCL text holds a backslash that is not one of the escapes the writers put there
// (\\, \" and the list's \n): a backslash written as it stands reads back as an escape.
bool holdsBareBackslash(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\\')) {
            const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
            if (next != QLatin1Char('\\') && next != QLatin1Char('"') && next != QLatin1Char('n'))
                return true;
            ++i;
        }
    return false;
}

// The whole AutoLISP file of a dialog whose tiles write `sections` (the writer tests' layout:
// ";; InitSection" and so on), with the load block of the empty dialog's expected file.
QString wholeLispFile(const QString &sections)
{
    const QStringList lines = sections.split(QLatin1Char('\n'));
    const QStringList heads = {QStringLiteral("(defun init_handler()   ;Initialation_Code"),
                               QStringLiteral("(defun set_data() ;Start Set function"),
                               QStringLiteral("(defun get_data() ;Start Get function")};
    const QStringList ends = {QStringLiteral(");End of Initial Function"),
                              QStringLiteral(");End of Set function"),
                              QStringLiteral(");End of Get function")};
    QStringList file = {QStringLiteral("(defun c:LoadDialog( / dcl_id)")};
    int section = -1;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String(";; "))) {
            if (section >= 0 && section < 3)
                file << QStringLiteral("       (princ)") << QStringLiteral("   ") + ends[section];
            ++section;
            if (section < 3)
                file << QStringLiteral("   ") + heads[section];
            continue;
        }
        file << QStringLiteral("   ") + line;
    }
    QString empty =
        QString::fromUtf8(test::readFile(test::repoTestData("codegen/empty_dialog.lsp")));
    if (empty.endsWith(QLatin1Char('\n')))
        empty.chop(1);
    const QStringList emptyLines = empty.split(QLatin1Char('\n'));
    file << emptyLines.mid(emptyLines.indexOf(QStringLiteral("   );End of Get function")) + 1);
    return file.join(QLatin1Char('\n'));
}

// The tile writers' expected blocks and AutoLISP lines, each imported as the one tile of a
// dialog, come back as the same block and lines.
TEST(DclImport, GeneratedTileBlocksComeBackAsTheSameBlocks)
{
    const QDir dir(test::repoTestData(QStringLiteral("codegen")));
    // The slide library the image writer tests show their second slide of.
    QTemporaryDir slides;
    ASSERT_TRUE(slides.isValid());
    QFile library(slides.filePath(QStringLiteral("three.slb")));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    const QByteArray slide = test::SlideBuilder().vector(0, 0, 10, 10).data();
    library.write(test::buildLibrary({{QStringLiteral("CLOCK"), slide},
                                      {QStringLiteral("NORTH"), slide},
                                      {QStringLiteral("TREE"), slide}}));
    library.close();
    int blocks = 0;
    for (const QString &name : dir.entryList({QStringLiteral("*.dcl")}, QDir::Files)) {
        QString block = QString::fromUtf8(test::readFile(dir.filePath(name)));
        if (block.endsWith(QLatin1Char('\n')))
            block.chop(1);
        if (block.contains(QLatin1String(": dialog")))
            continue;
        if (holdsBareBackslash(block)) {
            std::cout << "not compared, a backslash is written as it stands: " << name.toStdString()
                      << "\n";
            continue;
        }
        SCOPED_TRACE(name.toStdString());
        // A radio button alone in a dialog is written inside a radio column.
        if (block.startsWith(QLatin1String("        : radio_button {"))) {
            QStringList lines = block.split(QLatin1Char('\n'));
            for (QString &line : lines)
                line.prepend(QLatin1String("    "));
            block = QStringLiteral("        : radio_column {\n") + lines.join(QLatin1Char('\n')) +
                    QStringLiteral("\n        }");
        }
        const QString head = QStringLiteral("empty_one : dialog { \n    label=\"\";\n");
        const QString tail = QStringLiteral("\nok_cancel_help;\n}");
        const QString lispName = QFileInfo(name).completeBaseName() + QStringLiteral(".lsp");
        std::optional<QString> lisp;
        if (dir.exists(lispName))
            lisp = wholeLispFile(QString::fromUtf8(test::readFile(dir.filePath(lispName)))
                                     .replace(QLatin1String("@DIR@"), slides.path())
                                     .trimmed());
        const DclImport imported = importDclText(head + block + tail, name, lisp, lispName);
        EXPECT_EQ(warningTexts(imported).join(u'\n').toStdString(), "");
        const Generated generated = generate(imported.design->dialogTile());
        EXPECT_EQ(generated.dcl.toStdString(), (head + block + tail).toStdString());
        if (lisp) {
            EXPECT_EQ(generated.lisp.toStdString(), lisp->toStdString());
        }
        ++blocks;
    }
    EXPECT_GE(blocks, 25);
}

// The attributes a design can hold, with the value DCL gives a tile that does not set them;
// alignments are compared as DCL applies them.
const QHash<QString, QString> &comparedAttributes()
{
    static const QHash<QString, QString> attributes = {
        {QStringLiteral("key"), {}},
        {QStringLiteral("label"), {}},
        {QStringLiteral("value"), {}},
        {QStringLiteral("list"), {}},
        {QStringLiteral("tabs"), {}},
        {QStringLiteral("is_enabled"), QStringLiteral("true")},
        {QStringLiteral("is_tab_stop"), QStringLiteral("true")},
        {QStringLiteral("fixed_width"), QStringLiteral("false")},
        {QStringLiteral("fixed_height"), QStringLiteral("false")},
        {QStringLiteral("children_fixed_width"), QStringLiteral("false")},
        {QStringLiteral("children_fixed_height"), QStringLiteral("false")},
        {QStringLiteral("is_default"), QStringLiteral("false")},
        {QStringLiteral("is_cancel"), QStringLiteral("false")},
        {QStringLiteral("allow_accept"), QStringLiteral("false")},
        {QStringLiteral("multiple_select"), QStringLiteral("false")},
        {QStringLiteral("is_bold"), QStringLiteral("false")},
        {QStringLiteral("edit_limit"), {}},
        {QStringLiteral("password_char"), {}},
        {QStringLiteral("min_value"), {}},
        {QStringLiteral("max_value"), {}},
        {QStringLiteral("big_increment"), {}},
        {QStringLiteral("small_increment"), {}},
        {QStringLiteral("color"), {}},
    };
    return attributes;
}

// The kind a design gives back for each kind it holds.
QString designKind(const dcl::Tile &tile)
{
    static const QHash<QString, QString> near = {
        {QStringLiteral("text_part"), QStringLiteral("text")},
        {QStringLiteral("spacer_0"), QStringLiteral("spacer")},
        {QStringLiteral("spacer_1"), QStringLiteral("spacer")},
        {QStringLiteral("paragraph"), QStringLiteral("column")},
        {QStringLiteral("concatenation"), QStringLiteral("row")},
        {QStringLiteral("radio_column"), QStringLiteral("column")},
        {QStringLiteral("radio_row"), QStringLiteral("row")},
        {QStringLiteral("boxed_radio_column"), QStringLiteral("boxed_column")},
        {QStringLiteral("boxed_radio_row"), QStringLiteral("boxed_row")},
    };
    return near.value(tile.kind, tile.kind);
}

// What a design holds but the generator does not write, and a radio cluster's value, which the
// design holds on the radio button it names.
bool notWritten(const dcl::Tile &tile, const QString &attribute)
{
    static const QSet<QString> pairs = {QStringLiteral("popup_list value"),
                                        QStringLiteral("list_box value"),
                                        QStringLiteral("slider alignment"),
                                        QStringLiteral("image is_default"),
                                        QStringLiteral("image_button is_default"),
                                        QStringLiteral("spacer key"),
                                        QStringLiteral("dialog value")};
    return pairs.contains(tile.kind + QLatin1Char(' ') + attribute) ||
           (attribute == QLatin1String("value") &&
            tile.primitive == QLatin1String("radio_cluster"));
}

// DCL's colour numbers 0 to 7 by their names, as the generator writes them.
QString colorName(const QString &value)
{
    static const QStringList names = {QStringLiteral("black"),   QStringLiteral("red"),
                                      QStringLiteral("yellow"),  QStringLiteral("green"),
                                      QStringLiteral("cyan"),    QStringLiteral("blue"),
                                      QStringLiteral("magenta"), QStringLiteral("white")};
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number >= 0 && number < names.size() ? names[number] : value;
}

// Whether DCL gives an alignment word a meaning across a row or a column; it ignores any other.
bool alignsAcross(const QString &word, bool row)
{
    if (word == QLatin1String("centered"))
        return true;
    return row ? word == QLatin1String("top") || word == QLatin1String("bottom")
               : word == QLatin1String("left") || word == QLatin1String("right");
}

// The alignment DCL applies: the word where it means something, else `fallback`.
QString effectiveAlignment(const QString &word, bool row, const QString &fallback)
{
    return alignsAcross(word, row) ? word : fallback;
}

// What children of a row or a column are aligned by when nothing says otherwise.
QString defaultAlignment(bool row)
{
    return row ? QStringLiteral("centered") : QStringLiteral("left");
}

// A radio cluster without attributes running in its container's direction.
bool isWrapper(const dcl::Tile &tile, bool inColumn)
{
    if (tile.kind != (inColumn ? QLatin1String("radio_column") : QLatin1String("radio_row")))
        return false;
    for (const dcl::Attribute &attribute : tile.attributes)
        if (!attribute.where.isBuiltIn())
            return false;
    return true;
}

// Compares an imported tile with the tile generated from it on what a design holds: kinds,
// order, and each attribute set in the original that the importer did not report lost.
class TreeComparison
{
public:
    explicit TreeComparison(const dcl::Diagnostics &warnings)
    {
        for (const dcl::Diagnostic &warning : warnings) {
            m_reported.insert(key(warning.where));
            if (warning.message.endsWith(QLatin1String("left out")))
                m_leftOut.insert(key(warning.where));
        }
    }

    void compareDialogs(const dcl::Tile &original, const dcl::Tile &generated)
    {
        compare(original, generated, false, original.name, nullptr);
    }

private:
    // The alignment a parent gives the children that set none of their own, in the original
    // and in the generated dialog; `known` is false when the original's was reported lost.
    struct Inherited {
        QString original;
        QString generated;
        bool known = true;
    };

    bool reported(const dcl::Attribute *attribute) const
    {
        return attribute && (m_reported.contains(key(attribute->where)) ||
                             m_reported.contains(key(attribute->value.where)));
    }

    // Alignment is compared as DCL applies it: a word that means nothing in the direction
    // counts as not written, and a tile without one takes its parent's children_alignment.
    Inherited compareAlignment(const dcl::Tile &original, const dcl::Tile &generated, bool inRow,
                               const Inherited *inherited) const
    {
        const QString alignment = QStringLiteral("alignment");
        const dcl::Attribute *own = original.attribute(alignment);
        const bool ownApplies = alignsAcross(original.value(alignment), inRow);
        if (inherited && !reported(own) && !notWritten(original, alignment) &&
            (ownApplies || inherited->known)) {
            EXPECT_EQ(effectiveAlignment(generated.value(alignment), inRow, inherited->generated)
                          .toStdString(),
                      effectiveAlignment(original.value(alignment), inRow, inherited->original)
                          .toStdString())
                << "alignment";
        }
        const QString childrenAlignment = QStringLiteral("children_alignment");
        const bool row = original.value(u"layout") != QLatin1String("vertical");
        const Inherited byParent{
            effectiveAlignment(original.value(childrenAlignment), row, defaultAlignment(row)),
            effectiveAlignment(generated.value(childrenAlignment), row, defaultAlignment(row)),
            !reported(original.attribute(childrenAlignment))};
        if (byParent.known) {
            EXPECT_EQ(byParent.generated.toStdString(), byParent.original.toStdString())
                << "children_alignment";
        }
        return byParent;
    }

    void compare(const dcl::Tile &original, const dcl::Tile &generated, bool inRow,
                 const QString &path, const Inherited *inherited)
    {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(designKind(original).toStdString(), designKind(generated).toStdString());
        const Inherited byParent = compareAlignment(original, generated, inRow, inherited);
        for (const dcl::Attribute &attribute : original.attributes) {
            if (attribute.where.isBuiltIn() || reported(&attribute))
                continue;
            const QString &name = attribute.name;
            if ((name == QLatin1String("width") && inRow) ||
                (name == QLatin1String("height") && !inRow)) {
                // The nearest whole pixel, written to the tenth.
                const double pixel = name == QLatin1String("width") ? 7.0 : 15.0;
                EXPECT_NEAR(generated.value(name).toDouble(), attribute.value.text.toDouble(),
                            0.5 / pixel + 0.05)
                    << name.toStdString();
                continue;
            }
            if (!comparedAttributes().contains(name) || notWritten(original, name))
                continue;
            QString expected = attribute.value.text;
            QString actual = generated.value(name, comparedAttributes().value(name));
            if (original.kind == QLatin1String("toggle") ||
                original.kind == QLatin1String("radio_button")) {
                expected = expected == QLatin1String("1") ? expected : QString();
                actual = actual == QLatin1String("1") ? actual : QString();
            }
            // A text tile without a label shows its value, which the design holds as its label.
            if (original.primitive == QLatin1String("text") && name == QLatin1String("value"))
                actual = generated.value(u"label");
            if (name == QLatin1String("color"))
                expected = colorName(expected);
            if (name == QLatin1String("label") && original.kind.startsWith(u"boxed"))
                expected = expected.isEmpty() ? QStringLiteral(" ") : expected;
            EXPECT_EQ(actual.toStdString(), expected.toStdString()) << name.toStdString();
        }
        const std::vector<const dcl::Tile *> left = children(original);
        const std::vector<const dcl::Tile *> right = children(generated);
        ASSERT_EQ(left.size(), right.size());
        const bool row = original.value(u"layout") != QLatin1String("vertical");
        for (std::size_t i = 0; i < left.size(); ++i)
            compare(*left[i], *right[i], row,
                    path + QLatin1Char('/') + designKind(*left[i]) + QString::number(i), &byParent);
    }

    static QString key(const dcl::Position &where)
    {
        return QStringLiteral("%1:%2:%3").arg(where.file).arg(where.line).arg(where.column);
    }

    // The tiles a design holds, radio wrappers opened and exit buttons left to the dialog.
    std::vector<const dcl::Tile *> children(const dcl::Tile &tile) const
    {
        std::vector<const dcl::Tile *> result;
        const bool column = tile.value(u"layout") == QLatin1String("vertical");
        for (const dcl::Tile &child : tile.children) {
            if (isWrapper(child, column)) {
                for (const dcl::Tile &radio : child.children)
                    result.push_back(&radio);
            } else if (!m_leftOut.contains(key(child.where)) &&
                       !child.lineage.contains(QStringLiteral("ok_cancel")) &&
                       !child.lineage.contains(QStringLiteral("ok_only")) &&
                       !child.lineage.contains(QStringLiteral("ok_cancel_help")) &&
                       !child.lineage.contains(QStringLiteral("ok_cancel_help_info")) &&
                       !child.lineage.contains(QStringLiteral("ok_cancel_help_errtile")) &&
                       !child.lineage.contains(QStringLiteral("errtile"))) {
                result.push_back(&child);
            }
        }
        return result;
    }

    QSet<QString> m_reported;
    QSet<QString> m_leftOut;
};

// Imports the first dialog of `text`, generates DCL from the design and compares the two
// dialogs tile for tile. Returns the warnings, and the retirement buttons in `retirement`.
QStringList roundTripHandWritten(const QString &text, const QString &path,
                                 QString *retirement = nullptr)
{
    const dcl::Document original = dcl::Document::fromText(text, path);
    const DclImport imported = importDclText(text, path);
    const Generated generated = generate(imported.design->dialogTile());
    const dcl::Document again = dcl::Document::fromText(generated.dcl, QStringLiteral("again.dcl"));
    EXPECT_FALSE(original.dialogs().empty());
    EXPECT_EQ(again.dialogs().size(), 1u);
    if (original.dialogs().empty() || again.dialogs().size() != 1)
        return {};
    const dcl::Tile &dialog = *original.dialogs().front();
    const dcl::Tile &back = *again.dialogs().front();
    EXPECT_EQ(back.name, dialog.name);
    EXPECT_EQ(back.value(u"label"), dialog.value(u"label", dialog.value(u"value")));
    TreeComparison(imported.warnings).compareDialogs(dialog, back);
    if (retirement)
        *retirement = enumName(imported.design->dialogTile()->retirementButton());
    return warningTexts(imported);
}

struct HandWritten {
    const char *name;
    const char *dcl;
    const char *retirement;
    // Each warning expected, as "LINE:COLUMN: text the message holds".
    std::vector<const char *> warnings;
};

const HandWritten kHandWritten[] = {
    {"every kind with sizes, flags and lists",
     R"(demo : dialog {
  label = "Demo";
  : column {
    : edit_box { key = "e"; label = "Name:"; value = "x"; edit_limit = 8; height = 1.5;
                 password_char = "#"; allow_accept = true; }
    : button { key = "b"; label = "Go"; is_default = true; is_enabled = false; }
    : toggle { key = "t"; label = "T"; value = "1"; is_tab_stop = false; }
    : text { label = "Shown"; is_bold = true; }
    : popup_list { key = "p"; list = "a\nb\tc"; value = "1"; tabs = "3"; }
    : list_box { key = "l"; list = "x\ny"; multiple_select = true; height = 6; }
  }
  : row {
    : slider { key = "s"; min_value = 2; max_value = 9; value = 4; width = 20; }
    : image { key = "i"; color = 3; width = 10; aspect_ratio = 1; }
    : image_button { key = "ib"; color = dialog_line; allow_accept = true; width = 8.5; }
    : spacer { width = 3; }
  }
  ok_cancel;
})",
     "ok_cancel",
     {"14:49: aspect_ratio has no property"}},
    {"radio buttons, wrappers and clusters",
     R"(radios : dialog {
  : radio_column { : radio_button { key = "a"; label = "A"; }
                   : radio_button { key = "b"; label = "B"; value = "1"; } }
  : text { label = "between"; }
  : boxed_radio_row { key = "r"; label = "Pick"; value = "y";
    : radio_button { key = "x"; label = "X"; }
    : radio_button { key = "y"; label = "Y"; }
  }
  : row { alignment = centered; children_alignment = bottom;
    : radio_button { key = "q"; label = "Q"; }
    : button { key = "k"; label = "K"; }
  }
  ok_cancel_help;
  errtile;
})",
     "ok_cancel_help_errtile",
     {}},
    {"alignment words that mean nothing in their direction",
     R"(aligned : dialog {
  : row { children_alignment = left;
    : text { label = "L"; alignment = left; }
    : button { key = "t"; label = "T"; alignment = top; }
    : edit_box { key = "e"; label = "E"; }
  }
  : column { children_alignment = right;
    : toggle { key = "x"; label = "X"; alignment = bottom; }
    : button { key = "c"; label = "C"; }
  }
  ok_only;
})",
     "ok_only",
     {}},
    {"what a design cannot hold",
     R"(big : button { width = 20; }
tight : dialog {
  initial_focus = "e";
  : paragraph { : text_part { label = "one"; } : text_part { label = "two"; } }
  : concatenation { : text_part { label = "a"; } : text_part { label = "b"; } }
  : big { key = "bb"; label = "Big"; mnemonic = "B"; }
  : boxed_column { label = "Box"; alignment = top; ok_cancel; }
  errtile;
  : spacer_1; : button { key = "n"; width = 4; }
})",
     "errtile",
     {"3:3: the dialog's initial_focus has no property", "4:3: paragraph has no tile of its own",
      "4:17: text_part has no tile of its own", "5:3: concatenation has no tile of its own",
      "6:3: prototype big cannot be kept", "6:38: mnemonic has no property on button tiles",
      "7:47: alignment top cannot be held by boxed_column tiles",
      "7:52: ok_cancel cannot be held here", "8:3: errtile cannot be held here",
      "9:3: spacer_1 has no tile of its own", "2:1: the dialog does not end with an exit",
      "9:45: width 4.0 cannot be kept: a tile in a column is as wide as it",
      "9:15: a button without a label cannot be kept in a project"}},
};

TEST(DclImport, HandWrittenDialogsComeBackTileForTile)
{
    for (const HandWritten &row : kHandWritten) {
        SCOPED_TRACE(row.name);
        QString retirement;
        const QStringList warnings = roundTripHandWritten(QString::fromUtf8(row.dcl),
                                                          QStringLiteral("hand.dcl"), &retirement);
        EXPECT_EQ(retirement.toStdString(), row.retirement);
        for (const char *expected : row.warnings) {
            const QString prefix = QStringLiteral("hand.dcl:") + QString::fromUtf8(expected);
            const QString place = prefix.section(QLatin1Char(' '), 0, 0);
            const QString words = prefix.section(QLatin1Char(' '), 1);
            bool found = false;
            for (const QString &warning : warnings)
                found = found || (warning.startsWith(place + QLatin1String(" warning: ")) &&
                                  warning.contains(words));
            EXPECT_TRUE(found) << expected << "\n" << warnings.join(u'\n').toStdString();
        }
        if (row.warnings.empty()) {
            EXPECT_EQ(warnings.join(u'\n').toStdString(), "");
        }
    }
}

TEST(DclImport, SharedDialogsComeBackTileForTile)
{
    const QDir dir(test::sharedTestData(QStringLiteral("dcl")));
    if (!dir.exists())
        GTEST_SKIP() << "no shared DCL files at " << dir.path().toStdString();
    int dialogs = 0;
    for (const QString &name : dir.entryList({QStringLiteral("*.dcl")}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dir.filePath(name);
        const QString text = dcl::decodeDclBytes(test::readFile(path));
        if (dcl::Document::fromText(text, path).dialogs().empty())
            continue;
        roundTripHandWritten(text, path);
        ++dialogs;
    }
    EXPECT_GT(dialogs, 0);
}

TEST(DclImport, FilesWithoutTheDialogAreErrors)
{
    const struct {
        const char *dcl;
        const char *dialog;
        const char *message;
    } rows[] = {
        {"a : button { }", "", "x.dcl holds no dialog"},
        {"a : dialog { ok_only; }", "b", "x.dcl has no dialog named b"},
        {"a : dialog { ", "", "x.dcl holds no dialog: x.dcl:1:"},
    };
    for (const auto &row : rows) {
        try {
            importDclText(QString::fromUtf8(row.dcl), QStringLiteral("x.dcl"), std::nullopt, {},
                          QString::fromUtf8(row.dialog));
            ADD_FAILURE() << row.dcl;
        } catch (const TError &error) {
            EXPECT_TRUE(error.message().startsWith(QString::fromUtf8(row.message)))
                << error.message().toStdString();
        }
    }
}

// The AutoLISP file beside is read only when the generator wrote it for this dialog, and each
// of its lines goes to the tile it names, in order, also when keys repeat.
TEST(DclImport, LispFileBesideIsMatchedToTheDialogsTiles)
{
    const QString dcl = QStringLiteral(R"(two : dialog {
  : button { key = "k"; label = "One"; }
  : button { key = "k"; label = "Two"; }
  : edit_box { key = "e\""; }
  ok_cancel;
})");
    const QString lisp = QStringLiteral("(defun c:LoadDialog( / dcl_id)\n"
                                        "   (defun init_handler()   ;Initialation_Code\n"
                                        "       (action_tile \"k\" \"(First)\")\n"
                                        "       (action_tile \"k\" \"(Second)\")\n"
                                        "       (action_tile \"none\" \"(Third)\")\n"
                                        "       (princ)\n"
                                        "   );End of Initial Function\n"
                                        "   (defun set_data() ;Start Set function\n"
                                        "       (if v (set_tile \"e\\\"\" v))\n"
                                        "       (princ)\n"
                                        "   );End of Set function\n"
                                        "   (defun get_data() ;Start Get function\n"
                                        "       (princ)\n"
                                        "   );End of Get function\n"
                                        "   (defun First  ;Start of First\n"
                                        "   );End of First\n"
                                        "   (defun Second(a / b)  ;Start of Second(a / b)\n"
                                        "         (body \"x\")\n"
                                        "   );End of Second(a / b)\n"
                                        "   (defun Third()  ;Start of Third()\n"
                                        "   );End of Third()\n"
                                        "   (if (setq dcl_id (load_dialog \"tw.dcl\"))\n"
                                        "       (if (new_dialog \"%1\" dcl_id)\n"
                                        "   )\n"
                                        ")\n");
    const DclImport imported =
        importDclText(dcl, QStringLiteral("two.dcl"), lisp.arg("two"), QStringLiteral("two.lsp"));
    EXPECT_EQ(warningTexts(imported).join(u'\n').toStdString(),
              "two.lsp:5:1: warning: action Third() names no tile \"none\" of the dialog that "
              "can hold it: left out");
    const Generated generated = generate(imported.design->dialogTile());
    // A bare action name, as files written before actions always had an argument list carry
    // it, is generated again with the empty list defun needs.
    for (const char *line :
         {"(defun First()  ;Start of First()", ");End of First()", "(defun Second(a / b)  ;Start",
          "   (body \"x\")", "(if v (set_tile \"e\\\"\" v))", "(load_dialog \"tw.dcl\")"})
        EXPECT_TRUE(generated.lisp.contains(QLatin1String(line))) << line;
    EXPECT_LT(generated.lisp.indexOf(QLatin1String("\"k\" \"(First)\"")),
              generated.lisp.indexOf(QLatin1String("\"k\" \"(Second)\"")));

    for (const QString &other : {lisp.arg("another"), QStringLiteral("(princ)")}) {
        const DclImport ignored =
            importDclText(dcl, QStringLiteral("two.dcl"), other, QStringLiteral("two.lsp"));
        ASSERT_EQ(ignored.warnings.size(), 1);
        EXPECT_TRUE(ignored.warnings.front().message.startsWith(u"not read: "));
        EXPECT_TRUE(ignored.lispFile.isEmpty());
        EXPECT_FALSE(generate(ignored.design->dialogTile()).lisp.contains(u"First"));
    }
}

// Text escaped with backslashes, and actions written with an argument list added, read back
// as the user typed them.
TEST(DclImport, EscapedTextAndActionsReadBackAsTyped)
{
    const QString dcl = QStringLiteral(R"(esc : dialog {
    label = "A \"quoted\" \\ path";
        : edit_box {
            key        = "p\\k" ;
            value      = "C:\\new\\table\\" ;
        }
        : popup_list {
            key        = "l" ;
            list     = "a\\b\n\"c\"" ;
        }
ok_only;
})");
    const QString lisp = QStringLiteral("(defun c:LoadDialog( / dcl_id)\n"
                                        "   (defun init_handler()   ;Initialation_Code\n"
                                        "       (action_tile \"p\\\\k\" \"(DoIt)\")\n"
                                        "   );End of Initial Function\n"
                                        "   (defun set_data() ;Start Set function\n"
                                        "       (if v\\w (set_tile \"p\\\\k\" v\\w))\n"
                                        "   );End of Set function\n"
                                        "   (defun get_data() ;Start Get function\n"
                                        "   );End of Get function\n"
                                        "   (defun DoIt()  ;Start of DoIt()\n"
                                        "   );End of DoIt()\n"
                                        "   (if (setq dcl_id (load_dialog \"a\\\\b.dcl\"))\n"
                                        "       (if (new_dialog \"esc\" dcl_id)\n");
    const DclImport imported =
        importDclText(dcl, QStringLiteral("esc.dcl"), lisp, QStringLiteral("esc.lsp"));
    EXPECT_EQ(warningTexts(imported).join(u'\n').toStdString(), "");
    TDCLPanel *dialog = imported.design->dialogTile();
    EXPECT_EQ(dialog->dialogCaption(), QStringLiteral("A \"quoted\" \\ path"));
    EXPECT_EQ(dialog->dclFileName(), QStringLiteral("a\\b.dcl"));
    const QObject *edit = imported.design->findComponent(QStringLiteral("DCLEdit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->property("Key").toString(), QStringLiteral("p\\k"));
    EXPECT_EQ(edit->property("Value").toString(), QStringLiteral("C:\\new\\table\\"));
    EXPECT_EQ(edit->property("DCL_Action").toString(), QStringLiteral("DoIt()"));
    EXPECT_EQ(edit->property("LinkToVar").toString(), QStringLiteral("v\\w"));
    EXPECT_TRUE(edit->property("IsString").toBool());
    const QObject *list = imported.design->findComponent(QStringLiteral("DCLCombo1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->property("List").toStringList(),
              QStringList({QStringLiteral("a\\b"), QStringLiteral("\"c\"")}));
}

// A slide of a library comes back as the library and the slide's number in it, so that the
// image shows it and generating again names it; a slide the library lacks is reported.
TEST(DclImport, LibrarySlidesComeBackByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray slide = test::SlideBuilder().vector(0, 0, 10, 10).data();
    QFile library(dir.filePath(QStringLiteral("lib.slb")));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.write(
        test::buildLibrary({{QStringLiteral("HOUSE"), slide}, {QStringLiteral("DOOR"), slide}}));
    library.close();
    const QString dcl = QStringLiteral("pics : dialog { : image { key = \"i\"; } "
                                       ": image { key = \"j\"; } ok_only; }");
    const QString lisp = QStringLiteral("(defun c:LoadDialog( / dcl_id)\n"
                                        "   (defun init_handler()   ;Initialation_Code\n"
                                        "       (start_Image \"i\")\n"
                                        "       (slide_image 0 0 _x_ _y_  \"%1(door)\")\n"
                                        "       (start_Image \"j\")\n"
                                        "       (slide_image 0 0 _x_ _y_  \"%1(WINDOW)\")\n"
                                        "   );End of Initial Function\n"
                                        "   (defun set_data() ;Start Set function\n"
                                        "   );End of Set function\n"
                                        "   (defun get_data() ;Start Get function\n"
                                        "   );End of Get function\n"
                                        "   (if (setq dcl_id (load_dialog \"pics.dcl\"))\n"
                                        "       (if (new_dialog \"pics\" dcl_id)\n")
                             .arg(library.fileName());
    const DclImport imported =
        importDclText(dcl, QStringLiteral("pics.dcl"), lisp, dir.filePath(QStringLiteral("p.lsp")));
    ASSERT_EQ(imported.warnings.size(), 1);
    EXPECT_EQ(imported.warnings.front().where.line, 6);
    EXPECT_TRUE(imported.warnings.front().message.contains(u"WINDOW cannot be found"));
    const QString generated = generate(imported.design->dialogTile()).lisp;
    EXPECT_TRUE(generated.contains(library.fileName() + QStringLiteral("(DOOR)\")")));
    EXPECT_TRUE(generated.contains(library.fileName() + QStringLiteral("(HOUSE)\")")));
}

// The generator writes width / 7 and height / 15 to a tenth; every tenth it can write comes
// back as a size that writes it again.
TEST(DclImport, SizesConvertBackToTheSameTenth)
{
    for (int pixels = 0; pixels <= 2000; ++pixels) {
        const QString width = FormatDclSize(pixels / 7.0);
        EXPECT_EQ(FormatDclSize(dclWidthToPixels(width.toDouble()) / 7.0), width) << pixels;
        const QString height = FormatDclSize(pixels / 15.0);
        EXPECT_EQ(FormatDclSize(dclHeightToPixels(height.toDouble()) / 15.0), height) << pixels;
    }
}

} // namespace
} // namespace tw
