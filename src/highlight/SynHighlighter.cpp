#include "highlight/SynHighlighter.h"

#include <algorithm>

namespace tw
{

void TSynHighlighterAttributes::SetForeground(std::optional<TRgb> colour)
{
    if (colour != m_foreground) {
        m_foreground = colour;
        Changed();
    }
}

void TSynHighlighterAttributes::SetBackground(std::optional<TRgb> colour)
{
    if (colour != m_background) {
        m_background = colour;
        Changed();
    }
}

void TSynHighlighterAttributes::SetStyle(TSynFontStyle style)
{
    if (style != m_style) {
        m_style = style;
        Changed();
    }
}

void TSynHighlighterAttributes::Changed()
{
    if (m_onChange)
        m_onChange();
}

TSynHighlighterAttributes *TSynCustomHighlighter::Attribute(int index) const
{
    if (index < 0 || index >= AttrCount())
        return nullptr;
    return m_attributes[static_cast<std::size_t>(index)];
}

TSynHighlighterAttributes *TSynCustomHighlighter::AttributeByName(std::string_view name) const
{
    const auto it = std::find_if(m_attributes.begin(), m_attributes.end(),
                                 [name](const auto *a) { return a->Name() == name; });
    return it == m_attributes.end() ? nullptr : *it;
}

void TSynCustomHighlighter::NextToEol()
{
    while (!AtLineEnd())
        NextToken();
}

int TSynCustomHighlighter::AddChangeHandler(std::function<void()> handler)
{
    const int id = m_nextHandlerId++;
    m_changeHandlers.emplace_back(id, std::move(handler));
    return id;
}

void TSynCustomHighlighter::RemoveChangeHandler(int id)
{
    std::erase_if(m_changeHandlers, [id](const auto &entry) { return entry.first == id; });
}

void TSynCustomHighlighter::AddAttribute(TSynHighlighterAttributes &attribute)
{
    m_attributes.push_back(&attribute);
    attribute.SetOnChange([this] { AttributeChanged(); });
}

void TSynCustomHighlighter::AttributeChanged() const
{
    // A handler may remove itself while running, so walk a copy.
    const auto handlers = m_changeHandlers;
    for (const auto &entry : handlers)
        entry.second();
}

} // namespace tw
