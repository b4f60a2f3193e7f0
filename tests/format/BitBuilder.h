#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace tw::test
{

// Hand-built -lh5- bit streams: bits most significant first, the length tables written
// field by field, and canonical codes computed from code lengths.
class BitBuilder
{
public:
    BitBuilder &put(int n, std::uint32_t value)
    {
        for (int i = n - 1; i >= 0; --i)
            m_bits.push_back((value >> i) & 1);
        return *this;
    }

    std::size_t size() const { return m_bits.size(); }

    // The bits padded with zeros to whole bytes.
    QByteArray bytes() const
    {
        QByteArray out((qsizetype(m_bits.size()) + 7) / 8, '\0');
        for (std::size_t i = 0; i < m_bits.size(); ++i)
            if (m_bits[i])
                out[qsizetype(i / 8)] = char(quint8(out[qsizetype(i / 8)]) | (0x80 >> (i % 8)));
        return out;
    }

    // The 4-byte length header followed by the bytes.
    QByteArray stream(std::uint32_t length) const
    {
        QByteArray out;
        for (int i = 0; i < 4; ++i)
            out.append(char((length >> (8 * i)) & 0xFF));
        return out + bytes();
    }

    // A T or P length table: count field, then each length (3 bits, or 7 followed by
    // one 1 bit per extra unit and a 0), with 2 bits of zero-run after `special` lengths.
    BitBuilder &lengths(int countBits, const std::vector<int> &lens, int special = -1)
    {
        put(countBits, std::uint32_t(lens.size()));
        std::size_t i = 0;
        while (i < lens.size()) {
            const int l = lens[i++];
            if (l < 7) {
                put(3, std::uint32_t(l));
            } else {
                put(3, 7);
                for (int k = 7; k < l; ++k)
                    put(1, 1);
                put(1, 0);
            }
            if (int(i) == special) {
                int zeros = 0;
                while (i < lens.size() && zeros < 3 && lens[i] == 0) {
                    ++i;
                    ++zeros;
                }
                put(2, std::uint32_t(zeros));
            }
        }
        return *this;
    }

private:
    std::vector<bool> m_bits;
};

// Canonical code: codes of each length follow all shorter ones, by increasing symbol.
struct CanonicalCode {
    std::vector<int> len;
    std::vector<std::uint32_t> code;

    explicit CanonicalCode(std::vector<int> lengths) : len(std::move(lengths)), code(len.size())
    {
        std::uint32_t next = 0;
        for (int l = 1; l <= 16; ++l) {
            for (std::size_t s = 0; s < len.size(); ++s)
                if (len[s] == l)
                    code[s] = next++;
            next <<= 1;
        }
    }

    void put(BitBuilder &b, int symbol) const
    {
        b.put(len[std::size_t(symbol)], code[std::size_t(symbol)]);
    }
};

} // namespace tw::test
