#include "EditorTestSupport.h"
#include "editctl/SynLexer.h"
#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

using S = QsciScintillaBase;

// The style each byte should get: the attribute's list position plus one.
std::vector<int> ExpectedStyles(TSynCustomHighlighter &syn, const QByteArray &doc)
{
    std::vector<int> styles(doc.size(), 0);
    qsizetype pos = 0;
    int line = 0;
    while (pos < doc.size()) {
        qsizetype end = pos;
        while (end < doc.size() && doc[end] != '\n' && doc[end] != '\r')
            ++end;
        const std::string text(doc.constData() + pos, end - pos);
        syn.BeginLine(text, line);
        while (!syn.AtLineEnd()) {
            const std::size_t start = syn.TokenStart();
            int style = 0;
            for (int i = 0; i < syn.AttrCount(); ++i)
                if (syn.Attribute(i) == syn.TokenAttributes())
                    style = i + 1;
            syn.NextToken();
            for (std::size_t b = start; b < syn.TokenStart(); ++b)
                styles[pos + b] = style;
        }
        pos = end;
        if (pos < doc.size())
            pos += (doc[pos] == '\r' && pos + 1 < doc.size() && doc[pos + 1] == '\n') ? 2 : 1;
        ++line;
    }
    return styles;
}

std::vector<int> EditorStyles(TSynEdit &editor)
{
    editor.SendScintilla(S::SCI_COLOURISE, 0, -1);
    const long length = editor.SendScintilla(S::SCI_GETLENGTH);
    std::vector<int> styles;
    for (long pos = 0; pos < length; ++pos)
        styles.push_back(static_cast<int>(editor.SendScintilla(S::SCI_GETSTYLEAT, pos)));
    return styles;
}

class LexerTest : public ::testing::Test
{
protected:
    void SetUp() override { editor.resize(400, 300); }

    TAutoLispSyn lisp;
    TDCLSyn dcl;
    TSynEdit editor;
};

TEST_F(LexerTest, EveryByteTakesTheStyleOfItsToken)
{
    struct Case {
        const char *Name;
        TSynCustomHighlighter *Syn;
        QByteArray Text;
    };
    const Case cases[] = {
        {"lisp CRLF", &lisp, "(setq a \"s;x\") ; note\r\n(defun c:x (/ b) 1.5e3)\r\n"},
        {"lisp LF", &lisp, "(if t\n  (princ \"ok\")\n)"},
        {"lisp CR", &lisp, "(car x)\r; c\r\"open"},
        {"lisp utf8", &lisp, "(princ \"caf\xC3\xA9\") ; \xE2\x82\xAC\n"},
        {"dcl", &dcl,
         "dlg : dialog {\r\n  label = \"Hi\"; // c\r\n  : button { key = \"a\"; }\r\n}"},
        {"empty lines", &dcl, "\r\n\r\n\n\r"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        editor.SetHighlighter(c.Syn);
        editor.SendScintilla(S::SCI_SETTEXT, static_cast<uintptr_t>(0), c.Text.constData());
        EXPECT_EQ(EditorStyles(editor), ExpectedStyles(*c.Syn, c.Text));
    }
}

TEST_F(LexerTest, KeywordsCommentsAndStringsGetTheirStyles)
{
    editor.SetHighlighter(&lisp);
    editor.setText("(setq s \"x\") ; c");
    const auto styles = EditorStyles(editor);
    const int comment = 1, identifier = 2, keyword = 3, space = 4, string = 5;
    const std::vector<int> expected = {keyword,    keyword, keyword, keyword, keyword, space,
                                       identifier, space,   string,  string,  string,  keyword,
                                       space,      comment, comment, comment};
    EXPECT_EQ(styles, expected);
}

TEST_F(LexerTest, StylesCarryTheAttributeColoursAndFontStyles)
{
    editor.SetHighlighter(&lisp);
    for (int i = 0; i < lisp.AttrCount(); ++i) {
        const TSynHighlighterAttributes *attr = lisp.Attribute(i);
        SCOPED_TRACE(attr->Name());
        const int style = i + 1;
        const QColor fore = editor.Lexer()->color(style);
        const QColor expected = attr->Foreground()
                                    ? QColor(attr->Foreground()->Red, attr->Foreground()->Green,
                                             attr->Foreground()->Blue)
                                    : QColor(Qt::black);
        EXPECT_EQ(fore, expected);
        EXPECT_EQ(editor.Lexer()->paper(style), QColor(Qt::white));
        EXPECT_EQ(editor.Lexer()->font(style).bold(), attr->Style().Bold);
        EXPECT_EQ(editor.Lexer()->font(style).italic(), attr->Style().Italic);
        const long sciFore = editor.SendScintilla(S::SCI_STYLEGETFORE, style);
        EXPECT_EQ(sciFore, expected.red() | (expected.green() << 8) | (expected.blue() << 16));
    }
}

TEST_F(LexerTest, ChangingAnAttributeRepaintsWithTheNewColour)
{
    editor.SetHighlighter(&lisp);
    lisp.KeyAttri().SetForeground(TRgb{0, 128, 0});
    lisp.KeyAttri().SetBackground(TRgb{1, 2, 3});
    const int style = 3; // keyword
    EXPECT_EQ(editor.SendScintilla(S::SCI_STYLEGETFORE, style), 128 << 8);
    EXPECT_EQ(editor.SendScintilla(S::SCI_STYLEGETBACK, style), 1 | (2 << 8) | (3 << 16));
}

TEST_F(LexerTest, TheWholeDocumentCanBeColouredToTheEnd)
{
    editor.SetHighlighter(&lisp);
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("(setq v%1 (+ %1 2)) ; line").arg(i);
    editor.SetLines(lines);
    editor.SendScintilla(S::SCI_COLOURISE, 0, -1);
    EXPECT_EQ(editor.SendScintilla(S::SCI_GETENDSTYLED), editor.SendScintilla(S::SCI_GETLENGTH));
    const long lastLine = editor.SendScintilla(S::SCI_POSITIONFROMLINE, 4999);
    EXPECT_EQ(editor.SendScintilla(S::SCI_GETSTYLEAT, lastLine), 3);
}

TEST_F(LexerTest, PaintingColoursTheVisibleLinesOnly)
{
    editor.SetHighlighter(&lisp);
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("(setq v%1 (+ %1 2)) ; line").arg(i);
    editor.SetLines(lines);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    editor.viewport()->repaint();
    const long styled = editor.SendScintilla(S::SCI_GETENDSTYLED);
    EXPECT_GT(styled, editor.SendScintilla(S::SCI_POSITIONFROMLINE, 1));
    EXPECT_LT(styled, editor.SendScintilla(S::SCI_POSITIONFROMLINE, 1000));
}

TEST_F(LexerTest, EditingRestylesTheChangedLine)
{
    editor.SetHighlighter(&lisp);
    editor.setText("(foo)\r\n(bar)");
    EditorStyles(editor);
    editor.SendScintilla(S::SCI_SETSEL, 8L, 11L);
    editor.SendScintilla(S::SCI_REPLACESEL, static_cast<uintptr_t>(0), "car");
    const auto styles = EditorStyles(editor);
    EXPECT_EQ(styles[8], 3); // car is a keyword
    EXPECT_EQ(styles[1], 2); // foo is not
}

TEST_F(LexerTest, WithoutAHighlighterEverythingIsPlainText)
{
    editor.SetHighlighter(&lisp);
    editor.setText("(setq a 1)");
    EditorStyles(editor);
    editor.SetHighlighter(nullptr);
    const auto styles = EditorStyles(editor);
    EXPECT_EQ(styles, std::vector<int>(10, 0));
}

TEST_F(LexerTest, TheEditorFontIsTheBaseOfEveryStyle)
{
    editor.SetHighlighter(&dcl);
    QFont font("DejaVu Sans Mono", 14);
    editor.SetEditorFont(font);
    for (int style = 0; style <= dcl.AttrCount(); ++style) {
        EXPECT_EQ(editor.Lexer()->font(style).family(), "DejaVu Sans Mono");
        EXPECT_EQ(editor.Lexer()->font(style).pointSize(), 14);
    }
    EXPECT_EQ(editor.EditorFont(), font);
}

} // namespace
} // namespace tw
