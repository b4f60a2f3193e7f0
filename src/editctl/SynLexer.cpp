#include "editctl/SynLexer.h"

#include <Qsci/qsciscintilla.h>
#include <algorithm>
#include <cstring>

namespace tw
{

namespace
{

QColor ToColor(TRgb rgb)
{
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

} // namespace

TSynLexer::TSynLexer(QObject *parent)
    : QsciLexerCustom(parent), m_baseFont(QStringLiteral("Courier New"), 10)
{
}

TSynLexer::~TSynLexer()
{
    SetHighlighter(nullptr);
}

void TSynLexer::SetHighlighter(TSynCustomHighlighter *highlighter)
{
    if (m_highlighter)
        m_highlighter->RemoveChangeHandler(m_changeHandler);
    m_highlighter = highlighter;
    m_lineStates.clear();
    if (m_highlighter)
        m_changeHandler = m_highlighter->AddChangeHandler([this] { RefreshStyles(); });
    RefreshStyles();
    if (editor())
        editor()->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
}

void TSynLexer::SetBaseFont(const QFont &font)
{
    m_baseFont = font;
    RefreshStyles();
}

const TSynHighlighterAttributes *TSynLexer::AttributeOfStyle(int style) const
{
    return m_highlighter && style > 0 ? m_highlighter->Attribute(style - 1) : nullptr;
}

int TSynLexer::StyleOf(const TSynHighlighterAttributes *attribute) const
{
    if (!attribute)
        return 0;
    for (int i = 0; i < m_highlighter->AttrCount(); ++i)
        if (m_highlighter->Attribute(i) == attribute)
            return i + 1;
    return 0;
}

QString TSynLexer::description(int style) const
{
    if (style == 0)
        return QStringLiteral("Default");
    const auto *attribute = AttributeOfStyle(style);
    return attribute ? QString::fromStdString(attribute->Name()) : QString();
}

QColor TSynLexer::defaultColor(int style) const
{
    const auto *attribute = AttributeOfStyle(style);
    return attribute && attribute->Foreground() ? ToColor(*attribute->Foreground())
                                                : QColor(Qt::black);
}

QColor TSynLexer::defaultPaper(int style) const
{
    const auto *attribute = AttributeOfStyle(style);
    return attribute && attribute->Background() ? ToColor(*attribute->Background())
                                                : QColor(Qt::white);
}

QFont TSynLexer::defaultFont(int style) const
{
    QFont font = m_baseFont;
    if (const auto *attribute = AttributeOfStyle(style)) {
        font.setBold(font.bold() || attribute->Style().Bold);
        font.setItalic(font.italic() || attribute->Style().Italic);
    }
    return font;
}

void TSynLexer::RefreshStyles()
{
    setDefaultFont(m_baseFont);
    setDefaultColor(Qt::black);
    setDefaultPaper(Qt::white);
    const int count = m_highlighter ? m_highlighter->AttrCount() : 0;
    for (int style = 0; style <= count; ++style) {
        setColor(defaultColor(style), style);
        setPaper(defaultPaper(style), style);
        setFont(defaultFont(style), style);
    }
}

void TSynLexer::styleText(int start, int end)
{
    QsciScintilla *sci = editor();
    if (!sci || start >= end)
        return;
    const long length = sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const int firstLine =
        static_cast<int>(sci->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start));
    const long from = sci->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, firstLine);
    // Only the gap inside the range is closed, so styling after an edit in a
    // long text does not move the whole text behind the edit.
    const auto *text = reinterpret_cast<const char *>(
        sci->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, from, length - from));
    const char *textEnd = text + (length - from);

    // Style whole lines up to `end`, then on while a line's range value differs
    // from the one kept for it before, since the following lines depend on it.
    m_styles.clear();
    if (m_lineStates.size() < static_cast<std::size_t>(firstLine))
        m_lineStates.resize(firstLine, nullptr);
    TRangeState state = firstLine > 0 ? m_lineStates[firstLine - 1] : nullptr;
    const char *lineStart = text;
    int line = firstLine;
    while (lineStart < textEnd) {
        const char *lineEnd = lineStart;
        while (lineEnd < textEnd && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        const char *next = lineEnd;
        if (next < textEnd)
            next += (*next == '\r' && next + 1 < textEnd && next[1] == '\n') ? 2 : 1;
        const std::size_t lineLength = lineEnd - lineStart;
        const std::size_t base = m_styles.size();
        m_styles.resize(base + (next - lineStart), 0);
        if (m_highlighter) {
            m_highlighter->SetRangeState(state);
            m_highlighter->BeginLine(std::string_view(lineStart, lineLength), line);
            while (!m_highlighter->AtLineEnd()) {
                const std::size_t tokenStart = m_highlighter->TokenStart();
                const char style = static_cast<char>(StyleOf(m_highlighter->TokenAttributes()));
                m_highlighter->NextToken();
                const std::size_t tokenEnd =
                    std::min<std::size_t>(m_highlighter->TokenStart(), lineLength);
                if (style != 0 && tokenEnd > tokenStart)
                    std::memset(m_styles.data() + base + tokenStart, style, tokenEnd - tokenStart);
            }
            state = m_highlighter->RangeState();
        }
        bool changed = false;
        if (static_cast<std::size_t>(line) < m_lineStates.size()) {
            changed = m_lineStates[line] != state;
            m_lineStates[line] = state;
        } else {
            m_lineStates.push_back(state);
        }
        lineStart = next;
        ++line;
        if (from + static_cast<long>(m_styles.size()) >= end && !changed)
            break;
    }
    if (!m_styles.empty()) {
        sci->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, from);
        sci->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, m_styles.size(), m_styles.data());
    }
}

} // namespace tw
