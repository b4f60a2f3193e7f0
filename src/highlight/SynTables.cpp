#include "highlight/SynTables.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tw
{

namespace
{

constexpr TCharValueTable MakeCharValues()
{
    TCharValueTable table{};
    for (int c = 'a'; c <= 'z'; ++c) {
        const auto hash = static_cast<std::uint8_t>(c - 'a' + 1);
        table[static_cast<std::size_t>(c)] = {true, hash};
        table[static_cast<std::size_t>(c - 'a' + 'A')] = {true, hash};
    }
    for (int c = '0'; c <= '9'; ++c)
        table[static_cast<std::size_t>(c)] = {true, 0};
    table['-'] = {true, 0};
    table['_'] = {true, 31};
    return table;
}

constexpr TCharValueTable charValues = MakeCharValues();

std::string_view WithoutTrailingBlanks(std::string_view word)
{
    while (!word.empty() && word.back() == ' ')
        word.remove_suffix(1);
    return word;
}

} // namespace

const TCharValueTable &CharValues()
{
    return charValues;
}

std::size_t KeywordHash(std::string_view word)
{
    std::size_t hash = 0;
    for (const char c : word)
        hash += CharHash(static_cast<unsigned char>(c));
    return hash;
}

bool SameKeyword(std::string_view keyword, std::string_view word)
{
    if (keyword.size() != word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (CharHash(static_cast<unsigned char>(keyword[i])) !=
            CharHash(static_cast<unsigned char>(word[i])))
            return false;
    }
    return true;
}

TKeywordTable::TKeywordTable(std::size_t slotCount, std::span<const std::string_view> words)
{
    std::vector<std::pair<std::size_t, std::string_view>> entries;
    entries.reserve(words.size());
    for (const auto entry : words) {
        const auto word = WithoutTrailingBlanks(entry);
        const auto hash = KeywordHash(word);
        if (hash >= slotCount)
            throw std::invalid_argument("keyword hash past the last slot: " + std::string(word));
        entries.emplace_back(hash, word);
    }
    // Stable, so a slot keeps its keywords in list order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });

    m_slotStart.assign(slotCount + 1, 0);
    m_words.reserve(entries.size());
    std::size_t next = 0;
    for (std::size_t slot = 0; slot < slotCount; ++slot) {
        m_slotStart[slot] = static_cast<std::uint32_t>(m_words.size());
        for (; next < entries.size() && entries[next].first == slot; ++next) {
            // A repeated word lands in the same slot as its first occurrence.
            const auto first = m_words.begin() + m_slotStart[slot];
            if (std::find(first, m_words.end(), entries[next].second) == m_words.end())
                m_words.push_back(entries[next].second);
        }
    }
    m_slotStart[slotCount] = static_cast<std::uint32_t>(m_words.size());
}

std::span<const std::string_view> TKeywordTable::Slot(std::size_t hash) const
{
    if (hash >= SlotCount())
        return {};
    const auto first = m_slotStart[hash];
    return std::span(m_words).subspan(first, m_slotStart[hash + 1] - first);
}

bool TKeywordTable::Contains(std::string_view word, std::size_t hash) const
{
    const auto slot = Slot(hash);
    return std::any_of(slot.begin(), slot.end(),
                       [word](std::string_view keyword) { return SameKeyword(keyword, word); });
}

} // namespace tw
