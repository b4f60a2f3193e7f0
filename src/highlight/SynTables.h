#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tw
{

// Per byte value: whether it belongs to a word, and what it adds to a keyword
// hash. Letters give 1 to 26 whatever their case, "_" gives 31, everything else
// (digits and "-" included) gives 0, which is why the keyword comparison
// ignores case and lets any digit or "-" stand for any other.
struct TCharValue {
    bool IsWordChar = false;
    std::uint8_t Hash = 0;
};

using TCharValueTable = std::array<TCharValue, 256>;

// Shared by every highlighter; fixed at compile time.
const TCharValueTable &CharValues();

inline bool IsWordChar(unsigned char byte)
{
    return CharValues()[byte].IsWordChar;
}

inline std::uint8_t CharHash(unsigned char byte)
{
    return CharValues()[byte].Hash;
}

// Sum of the hash values of all bytes of a word.
std::size_t KeywordHash(std::string_view word);

// True when both have the same length and equal hash values position by position.
bool SameKeyword(std::string_view keyword, std::string_view word);

// Keywords grouped in slots by their hash. A word is a keyword when the slot of
// its hash holds a keyword that compares equal with SameKeyword; a hash past the
// last slot never is. Trailing blanks of the given words (completion-list
// entries) are not part of the keyword, and repeated words are kept once.
// The words must outlive the table.
class TKeywordTable
{
public:
    // Throws std::invalid_argument when a word's hash does not fit the slots.
    TKeywordTable(std::size_t slotCount, std::span<const std::string_view> words);

    std::size_t SlotCount() const { return m_slotStart.size() - 1; }
    // Keywords of one slot; empty for a hash past the last slot.
    std::span<const std::string_view> Slot(std::size_t hash) const;
    bool Contains(std::string_view word, std::size_t hash) const;
    bool Contains(std::string_view word) const { return Contains(word, KeywordHash(word)); }

private:
    std::vector<std::uint32_t> m_slotStart;
    std::vector<std::string_view> m_words;
};

} // namespace tw
