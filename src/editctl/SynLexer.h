#pragma once

#include "highlight/SynHighlighter.h"

#include <QFont>
#include <Qsci/qscilexercustom.h>
#include <vector>

namespace tw
{

// Lets QScintilla colour a document with one of our highlighters. Each line is
// scanned by itself (its bytes without the line end), with the range value kept
// for the line before it, and the style bytes of a whole run of lines are
// handed to the editor in one call. Style 0 is the editor's own text; style
// n + 1 paints the highlighter's attribute at list position n. The lexer does
// not own the highlighter, which must outlive it or be detached first.
class TSynLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    explicit TSynLexer(QObject *parent = nullptr);
    ~TSynLexer() override;

    void SetHighlighter(TSynCustomHighlighter *highlighter);
    TSynCustomHighlighter *Highlighter() const { return m_highlighter; }

    // The editor's own font and colours, which attributes build on.
    void SetBaseFont(const QFont &font);
    QFont BaseFont() const { return m_baseFont; }

    const char *language() const override { return "Tilewright"; }
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    void styleText(int start, int end) override;

    // Pushes every style's font and colours to the editor again.
    void RefreshStyles();

private:
    int StyleOf(const TSynHighlighterAttributes *attribute) const;
    const TSynHighlighterAttributes *AttributeOfStyle(int style) const;

    TSynCustomHighlighter *m_highlighter = nullptr;
    int m_changeHandler = 0;
    QFont m_baseFont;
    std::vector<TRangeState> m_lineStates; // the value after each styled line
    std::vector<char> m_styles;
};

} // namespace tw
