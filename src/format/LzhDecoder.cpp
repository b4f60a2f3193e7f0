// -lh5- decoder: 12-bit (C) and 8-bit (T, P) direct tables whose longer codes continue
// in a binary tree, every length and count checked against its alphabet.

#include "format/Lzh.h"
#include "format/LzhFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>

namespace tw::lzh
{
namespace
{

[[noreturn]] void corrupt()
{
    throw TError(QString::fromLatin1(kCompressedFileCorrupt), TErrorKind::Format);
}

constexpr std::uint16_t kEmpty = 0xFFFF;

// Decoding table for one alphabet: a direct table indexed by the next `TableBits`
// bits; an entry at or above the alphabet size is a tree node walked bit by bit.
template <int NSym, int TableBits> struct Table {
    std::array<std::uint8_t, NSym> len{};
    std::array<std::uint16_t, std::size_t(1) << TableBits> direct{};
    std::array<std::uint16_t, 2 * NSym> left{};
    std::array<std::uint16_t, 2 * NSym> right{};

    void single(int symbol)
    {
        len.fill(0);
        direct.fill(std::uint16_t(symbol));
    }

    // Builds from `len`; the lengths must fill the code space exactly.
    void build()
    {
        std::array<std::uint32_t, kMaxCodeLen + 1> count{};
        for (std::uint8_t l : len)
            ++count[l];
        std::uint32_t space = 0;
        for (int l = 1; l <= kMaxCodeLen; ++l)
            space += count[std::size_t(l)] << (kMaxCodeLen - l);
        if (space != (1u << kMaxCodeLen))
            corrupt();
        std::array<std::uint32_t, kMaxCodeLen + 1> start{};
        for (int l = 1; l < kMaxCodeLen; ++l)
            start[std::size_t(l + 1)] =
                start[std::size_t(l)] + (count[std::size_t(l)] << (kMaxCodeLen - l));
        direct.fill(kEmpty);
        int avail = NSym;
        for (int s = 0; s < NSym; ++s) {
            const int l = len[std::size_t(s)];
            if (l == 0)
                continue;
            const std::uint32_t code = start[std::size_t(l)];
            start[std::size_t(l)] += 1u << (kMaxCodeLen - l);
            const std::uint32_t first = code >> (kMaxCodeLen - TableBits);
            if (l <= TableBits) {
                std::fill_n(direct.begin() + first, std::size_t(1) << (TableBits - l),
                            std::uint16_t(s));
                continue;
            }
            std::uint16_t *p = &direct[first];
            for (int bit = TableBits; bit < l; ++bit) {
                if (*p == kEmpty) {
                    if (avail >= 2 * NSym)
                        corrupt();
                    left[std::size_t(avail)] = right[std::size_t(avail)] = kEmpty;
                    *p = std::uint16_t(avail++);
                }
                const bool one = (code >> (kMaxCodeLen - 1 - bit)) & 1;
                p = one ? &right[*p] : &left[*p];
            }
            *p = std::uint16_t(s);
        }
    }
};

class Decoder
{
public:
    Decoder(const std::uint8_t *data, std::size_t size, std::size_t length, const Sink &sink)
        : m_in(data), m_inSize(size), m_length(length), m_sink(sink),
          m_limitBits((std::uint64_t(size) + 8) * 8), m_out(kOutBuffer)
    {
    }

    void run()
    {
        refill();
        std::size_t blockLeft = 0;
        std::uint8_t *const out = m_out.data();
        while (m_produced < m_length) {
            if (blockLeft == 0) {
                blockLeft = readBlockHeader();
                continue;
            }
            --blockLeft;
            refill();
            const int c = decode(m_c);
            if (c < 256) {
                out[m_outPos++] = std::uint8_t(c);
                ++m_produced;
            } else {
                const std::size_t len = std::size_t(c) - (256 - kMinMatch);
                const int cls = decode(m_p);
                std::size_t offset = 0;
                if (cls > 0)
                    offset = (std::size_t(1) << (cls - 1)) + take(cls - 1);
                const std::size_t dist = offset + 1;
                if (dist > m_produced)
                    corrupt();
                const std::size_t n = std::min(len, m_length - m_produced);
                copyMatch(out, dist, n);
                m_outPos += n;
                m_produced += n;
            }
            if (m_outPos >= kFlushAt)
                flush(true);
        }
        if (consumedBits() > m_limitBits)
            corrupt();
        flush(false);
    }

private:
    static constexpr std::size_t kFlushAt = kWindow + 8 * kPiece;
    static constexpr std::size_t kOutBuffer = kFlushAt + kMaxMatch + 16;

    std::uint64_t consumedBits() const
    {
        return (std::uint64_t(m_inPos) + m_zeroBytes) * 8 - std::uint64_t(m_bitCount);
    }

    // Tops the bit buffer up to at least 56 bits; past the end of the input it takes
    // zero bytes, but never for a stream that has consumed more than 8 bytes too many.
    void refill()
    {
        if (m_bitCount >= 56)
            return;
        if (m_inSize - m_inPos >= 8) {
            std::uint64_t w;
            std::memcpy(&w, m_in + m_inPos, 8);
            if constexpr (std::endian::native == std::endian::little)
                w = byteSwap(w);
            m_bitBuf |= w >> m_bitCount;
            m_inPos += std::size_t(63 - m_bitCount) >> 3;
            m_bitCount |= 56;
            return;
        }
        if (consumedBits() > m_limitBits)
            corrupt();
        while (m_bitCount <= 56) {
            std::uint64_t byte = 0;
            if (m_inPos < m_inSize)
                byte = m_in[m_inPos++];
            else
                ++m_zeroBytes;
            m_bitBuf |= byte << (56 - m_bitCount);
            m_bitCount += 8;
        }
    }

    static std::uint64_t byteSwap(std::uint64_t v)
    {
        v = ((v & 0x00FF00FF00FF00FFull) << 8) | ((v >> 8) & 0x00FF00FF00FF00FFull);
        v = ((v & 0x0000FFFF0000FFFFull) << 16) | ((v >> 16) & 0x0000FFFF0000FFFFull);
        return (v << 32) | (v >> 32);
    }

    std::uint32_t peek(int n) const { return std::uint32_t(m_bitBuf >> (64 - n)); }

    void skip(int n)
    {
        m_bitBuf <<= n;
        m_bitCount -= n;
    }

    // n <= 16; needs n bits in the buffer.
    std::uint32_t take(int n)
    {
        if (n == 0)
            return 0;
        const std::uint32_t v = peek(n);
        skip(n);
        return v;
    }

    std::uint32_t get(int n)
    {
        refill();
        return take(n);
    }

    template <int NSym, int TableBits> int decode(const Table<NSym, TableBits> &t)
    {
        int c = t.direct[peek(TableBits)];
        if (c >= NSym) {
            int bit = TableBits;
            do {
                const bool one = (m_bitBuf >> (63 - bit)) & 1;
                c = one ? t.right[std::size_t(c)] : t.left[std::size_t(c)];
                ++bit;
            } while (c >= NSym);
        }
        skip(t.len[std::size_t(c)]);
        return c;
    }

    std::size_t readBlockHeader()
    {
        if (consumedBits() > m_limitBits)
            corrupt();
        const std::size_t count = get(16);
        readPtLen(m_t, kTBits, 3);
        readCLen();
        readPtLen(m_p, kPBits, -1);
        return count;
    }

    template <int NSym> void readPtLen(Table<NSym, 8> &t, int countBits, int special)
    {
        const int n = int(get(countBits));
        if (n == 0) {
            const int symbol = int(get(countBits));
            if (symbol >= NSym)
                corrupt();
            t.single(symbol);
            return;
        }
        if (n > NSym)
            corrupt();
        t.len.fill(0);
        int i = 0;
        while (i < n) {
            refill();
            int l = int(peek(3));
            if (l < 7) {
                skip(3);
            } else {
                skip(3);
                while (take(1) == 1) {
                    if (++l > kMaxCodeLen)
                        corrupt();
                }
            }
            t.len[std::size_t(i++)] = std::uint8_t(l);
            if (i == special) {
                const int zeros = int(get(2));
                if (i + zeros > NSym)
                    corrupt();
                i += zeros;
            }
        }
        t.build();
    }

    void readCLen()
    {
        const int n = int(get(kCBits));
        if (n == 0) {
            const int symbol = int(get(kCBits));
            if (symbol >= kNC)
                corrupt();
            m_c.single(symbol);
            return;
        }
        if (n > kNC)
            corrupt();
        m_c.len.fill(0);
        int i = 0;
        while (i < n) {
            refill();
            const int t = decode(m_t);
            if (t > 2) {
                m_c.len[std::size_t(i++)] = std::uint8_t(t - 2);
                continue;
            }
            int zeros = 1;
            if (t == 1)
                zeros = int(take(4)) + 3;
            else if (t == 2)
                zeros = int(take(kCBits)) + 20;
            if (i + zeros > kNC)
                corrupt();
            i += zeros;
        }
        m_c.build();
    }

    // Byte by byte when the copy overlaps itself closely; otherwise eight at a time
    // (the buffer has room for the overshoot).
    void copyMatch(std::uint8_t *out, std::size_t dist, std::size_t n)
    {
        std::uint8_t *dst = out + m_outPos;
        const std::uint8_t *src = dst - dist;
        if (dist == 1) {
            std::memset(dst, *src, n);
        } else if (dist >= 8) {
            for (std::size_t i = 0; i < n; i += 8)
                std::memcpy(dst + i, src + i, 8);
        } else {
            for (std::size_t i = 0; i < n; ++i)
                dst[i] = src[i];
        }
    }

    // Hands the finished bytes to the sink; keeps the last window when more follows.
    void flush(bool keepWindow)
    {
        const std::uint8_t *out = m_out.data();
        for (std::size_t pos = m_flushed; pos < m_outPos; pos += kPiece)
            m_sink(out + pos, std::min(kPiece, m_outPos - pos));
        m_flushed = m_outPos;
        if (keepWindow) {
            std::memmove(m_out.data(), out + m_outPos - kWindow, kWindow);
            m_outPos = m_flushed = kWindow;
        }
    }

    const std::uint8_t *m_in;
    std::size_t m_inSize;
    std::size_t m_inPos = 0;
    std::size_t m_zeroBytes = 0;
    std::uint64_t m_bitBuf = 0;
    int m_bitCount = 0;

    std::size_t m_length;
    const Sink &m_sink;
    std::uint64_t m_limitBits;
    std::vector<std::uint8_t> m_out;
    std::size_t m_outPos = 0;
    std::size_t m_flushed = 0;
    std::size_t m_produced = 0;

    Table<kNC, 12> m_c;
    Table<kNT, 8> m_t;
    Table<kNP, 8> m_p;
};

} // namespace

void decode(const std::uint8_t *data, std::size_t size, const Sink &sink)
{
    if (size < std::size_t(kHeaderSize))
        corrupt();
    const std::int32_t length =
        std::int32_t(std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 |
                     std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24);
    if (length < 0 || length > kLzhMaxLength)
        corrupt();
    if (length == 0)
        return;
    auto decoder = std::make_unique<Decoder>(data + kHeaderSize, size - kHeaderSize,
                                             std::size_t(length), sink);
    decoder->run();
}

} // namespace tw::lzh
