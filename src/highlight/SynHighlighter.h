#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw
{

// A colour as the editor paints it.
struct TRgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TRgb &, const TRgb &) = default;
};

struct TSynFontStyle {
    bool Bold = false;
    bool Italic = false;
    friend bool operator==(const TSynFontStyle &, const TSynFontStyle &) = default;
};

// How one kind of token is painted. A colour left empty means "use the editor's
// own colour". Every change is reported to the owning highlighter, which tells
// its attached editors to repaint.
class TSynHighlighterAttributes
{
public:
    explicit TSynHighlighterAttributes(std::string name) : m_name(std::move(name)) {}
    TSynHighlighterAttributes(const TSynHighlighterAttributes &) = delete;
    TSynHighlighterAttributes &operator=(const TSynHighlighterAttributes &) = delete;

    const std::string &Name() const { return m_name; }
    std::optional<TRgb> Foreground() const { return m_foreground; }
    std::optional<TRgb> Background() const { return m_background; }
    TSynFontStyle Style() const { return m_style; }

    void SetForeground(std::optional<TRgb> colour);
    void SetBackground(std::optional<TRgb> colour);
    void SetStyle(TSynFontStyle style);
    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

private:
    void Changed();

    std::string m_name;
    std::optional<TRgb> m_foreground;
    std::optional<TRgb> m_background;
    TSynFontStyle m_style;
    std::function<void()> m_onChange;
};

// The kinds of token a highlighter reports; the ordinal is the token kind code.
enum class TokenKind : int {
    Comment = 0,
    Identifier = 1,
    Keyword = 2,
    EndOfLine = 3,
    Space = 4,
    String = 5,
    Unknown = 6,
};

// Opaque per-line value the editor keeps between lines; empty is nullptr.
using TRangeState = const void *;
using TByteSet = std::bitset<256>;

// The contract between the text editor control and a highlighter: the editor
// hands over one line of bytes with BeginLine, then reads tokens until
// AtLineEnd. Token positions count bytes of the line. The line passed to
// BeginLine must stay alive until the next BeginLine. The base keeps the
// attribute list, the default file filter and the change handlers.
class TSynCustomHighlighter
{
public:
    TSynCustomHighlighter() = default;
    TSynCustomHighlighter(const TSynCustomHighlighter &) = delete;
    TSynCustomHighlighter &operator=(const TSynCustomHighlighter &) = delete;
    virtual ~TSynCustomHighlighter() = default;

    virtual const TSynHighlighterAttributes *StandardAttribute(int index) const = 0;
    virtual TByteSet IdentifierCharacters() const = 0;
    virtual std::string LanguageTitle() const = 0;
    virtual bool AtLineEnd() const = 0;
    virtual TRangeState RangeState() const { return nullptr; }
    virtual std::string TokenText() const = 0;
    virtual const TSynHighlighterAttributes *TokenAttributes() const = 0;
    virtual int TokenKindCode() const = 0;
    virtual std::size_t TokenStart() const = 0;
    virtual void NextToken() = 0;
    virtual void BeginLine(std::string_view line, int lineIndex) = 0;
    virtual void SetRangeState(TRangeState) {}
    virtual void ResetRangeState() {}

    int AttrCount() const { return static_cast<int>(m_attributes.size()); }
    // The attribute at a list position, or nullptr outside the list.
    TSynHighlighterAttributes *Attribute(int index) const;
    // The attribute registered under a name, or nullptr.
    TSynHighlighterAttributes *AttributeByName(std::string_view name) const;
    void NextToEol();

    const std::string &DefaultFilter() const { return m_defaultFilter; }
    void SetDefaultFilter(std::string filter) { m_defaultFilter = std::move(filter); }

    // Handlers run whenever one of the attributes changes; the returned id
    // removes the handler again.
    int AddChangeHandler(std::function<void()> handler);
    void RemoveChangeHandler(int id);

protected:
    void AddAttribute(TSynHighlighterAttributes &attribute);

private:
    void AttributeChanged() const;

    std::vector<TSynHighlighterAttributes *> m_attributes;
    std::string m_defaultFilter;
    std::vector<std::pair<int, std::function<void()>>> m_changeHandlers;
    int m_nextHandlerId = 1;
};

} // namespace tw
