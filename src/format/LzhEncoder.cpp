// -lh5- encoder: hash-chain match finder, lazy parsing by one byte, static Huffman
// blocks.

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

struct Match {
    std::uint32_t len = 0;
    std::uint32_t dist = 0;
};

// Longest-match finder over the whole input, on hash chains of the window's positions,
// newest first. A chain per prefix length (kLevels) holds the positions whose first
// bytes hash alike; once a match reaches the next length the search continues on that
// longer, shorter chain from the same node, which holds every candidate that could still
// be longer. Matches of exactly 3 bytes come from a 3-byte chain. Links are distances,
// and a distance beyond the window ends a chain. The longest chain is linked only when a
// search first needs it since the last time, which data without long matches (random
// bytes) or whose first candidate is already the longest (runs) never does. Where
// searches keep finding no match of 4 bytes (random bytes), the 4-byte chain is left
// aside and searches walk the 3-byte chain, which is then short; once that chain grows
// long the 4-byte chain catches up on the window.
class MatchFinder
{
    // Prefix length of each chain; the first is the 3-byte chain.
    static constexpr std::array<std::uint32_t, 3> kLevels = {3, 4, 8};
    static constexpr int kLevelCount = int(kLevels.size()) - 1;
    static constexpr std::array<int, 3> kHashBits = {15, 14, 13};
    static constexpr std::size_t kCyclic = 2 * kWindow;
    static constexpr std::size_t kMask = kCyclic - 1;
    static constexpr std::uint16_t kNone = 0xFFFF; // beyond the window
    // Searches per look at the mode, and the share that decides it.
    static constexpr std::uint32_t kDensePeriod = 1024;
    static constexpr std::uint32_t kSparseMisses = kDensePeriod - 16;
    static constexpr std::uint32_t kSparsePeriod = 256;
    static constexpr std::uint32_t kDenseNodes = 2 * kSparsePeriod;

public:
    MatchFinder(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size)
    {
        for (int l = 0; l <= kLevelCount; ++l) {
            m_head[std::size_t(l)].assign(std::size_t(1) << kHashBits[std::size_t(l)], 0);
            m_prev[std::size_t(l)].assign(kCyclic, kNone);
        }
    }

    // Adds the positions from `from` up to `to` for later searches without searching;
    // `from` - 1 was the last position added. `repeat` says that every byte up to `to`
    // repeats the one before (a match at distance 1): then every key that ends before
    // `to` is that of the position before, so its link is 1 and its head moves along.
    void insert(std::size_t from, std::size_t to, bool repeat)
    {
        if (!repeat) {
            for (std::size_t p = from; p < to; ++p)
                link(p);
            return;
        }
        linkRepeat<0>(from, to);
        if (!m_sparse)
            linkRepeat<1>(from, to);
    }

    // Inserts `pos` and returns its longest match if that is longer than `floor`, else a
    // match of length 0. A match shorter than 3 is never returned.
    [[gnu::always_inline]] Match find(std::size_t pos, std::uint32_t floor = 0)
    {
        const std::size_t avail = m_size - pos;
        if (avail < std::size_t(kMinMatch))
            return {};
        chooseMode(pos);
        std::array<std::uint32_t, kLevelCount> first;
        link(pos, first.data());
        // The next search starts at the heads of the next position.
        if (avail > kLevels[1]) {
            __builtin_prefetch(&m_head[0][hash<0>(m_data + pos + 1)]);
            __builtin_prefetch(&m_head[1][hash<1>(m_data + pos + 1)]);
        }
        const std::uint8_t *cur = m_data + pos;
        const std::uint32_t lenLimit = std::uint32_t(std::min<std::size_t>(avail, kMaxMatch));
        if (floor >= lenLimit)
            return {};
        Match best{floor, 0};
        if (m_sparse && lenLimit > 3) {
            best = chains(pos, 0, first[0], lenLimit, best);
            return best.dist != 0 ? best : Match{};
        }
        if (lenLimit > 3)
            best = chains(pos, 1, first[1], lenLimit, best);
        if (best.dist != 0)
            return best;
        if (floor < 3)
            ++m_misses;
        if (floor >= 3)
            return {};
        // No match of 4 or more: the nearest exact 3-byte one, if any.
        for (std::uint32_t d = first[0]; d <= std::uint32_t(kWindow);
             d += m_prev[0][(pos - d) & kMask]) {
            const std::uint8_t *pb = cur - d;
            if (pb[0] == cur[0] && pb[1] == cur[1] && pb[2] == cur[2])
                return {3, d};
        }
        return {};
    }

private:
    // Candidates must agree on the four bytes ending where they would beat `best` (on
    // the 3-byte chain at first on its three bytes), and all share the prefix of the
    // longest chain kept that is no longer than that. The walk starts at `d` on `level`.
    Match chains(std::size_t pos, int level, std::uint32_t d, std::uint32_t lenLimit, Match best)
    {
        const std::uint8_t *cur = m_data + pos;
        std::uint32_t at = best.len > 3 ? best.len - 3 : 0;
        std::uint32_t mask = level == 0 && best.len < 3 ? kFirstThree : ~std::uint32_t(0);
        std::uint32_t probe = load32(cur + at) & mask;
        if (best.len + 1 >= kLevels[kLevelCount]) {
            level = kLevelCount;
            d = linkLongest(pos);
        } else if (level == 0 && best.len + 1 >= kLevels[1] && !m_sparse) {
            level = 1;
        }
        const std::uint16_t *prev = m_prev[std::size_t(level)].data();
        while (d <= std::uint32_t(kWindow)) {
            ++m_nodes;
            const std::uint8_t *pb = cur - d;
            if ((load32(pb + at) & mask) == probe) {
                const std::uint32_t len = matchLength(pb, cur, 0, lenLimit);
                if (len > best.len) {
                    best = {len, d};
                    if (len == lenLimit)
                        break;
                    at = len - 3;
                    mask = ~std::uint32_t(0);
                    probe = load32(cur + at);
                    int next = level;
                    while (next < kLevelCount && len >= kLevels[std::size_t(next + 1)])
                        ++next;
                    if (next == 1 && m_sparse)
                        next = 0;
                    if (next != level) {
                        if (next == kLevelCount)
                            linkLongest(pos);
                        level = next;
                        prev = m_prev[std::size_t(level)].data();
                    }
                }
            }
            d += prev[(pos - d) & kMask];
        }
        return best;
    }

    // Counts the searches and switches between keeping the 4-byte chain and not.
    void chooseMode(std::size_t pos)
    {
        if (!m_sparse) {
            if (++m_searches < kDensePeriod)
                return;
            if (m_misses >= kSparseMisses) {
                m_sparse = true;
                m_level1From = pos;
            }
        } else {
            if (++m_searches < kSparsePeriod)
                return;
            if (m_nodes > kDenseNodes)
                keepLevel1(pos);
        }
        m_searches = 0;
        m_misses = 0;
        m_nodes = 0;
    }

    // Links `pos` into every chain but the longest whose prefix fits in the input; stores
    // the distance to the previous position of each chain in `first` when given.
    void link(std::size_t pos, std::uint32_t *first = nullptr)
    {
        static_assert(kLevelCount == 2);
        const std::size_t avail = m_size - pos;
        if (avail < kLevels[0])
            return;
        const std::uint32_t d0 = linkAt<0>(pos);
        const std::uint32_t d1 = avail >= kLevels[1] && !m_sparse ? linkAt<1>(pos) : kNone;
        if (first) {
            first[0] = d0;
            first[1] = d1;
        }
    }

    template <int L> void linkRepeat(std::size_t from, std::size_t to)
    {
        const std::size_t inside = to >= kLevels[L] ? to - kLevels[L] + 1 : 0;
        std::size_t p = from;
        if (p < inside) {
            for (; p < inside; ++p)
                m_prev[L][p & kMask] = 1;
            m_head[L][hash<L>(m_data + p - 1)] = std::uint16_t(p - 1);
        }
        for (; p < to && m_size - p >= kLevels[L]; ++p)
            linkAt<L>(p);
    }

    // Links the positions before `pos` that the 4-byte chain lacks and keeps it again.
    [[gnu::noinline]] void keepLevel1(std::size_t pos)
    {
        std::size_t p = std::max(m_level1From, pos > std::size_t(kWindow) ? pos - kWindow : 0);
        for (; p < pos; ++p)
            if (m_size - p >= kLevels[1])
                linkAt<1>(p);
        m_sparse = false;
    }

    // Brings the longest chain up to `pos` and returns the distance from `pos` to the
    // previous position in it. Positions out of the window's reach are left out: no
    // search reaches them.
    [[gnu::noinline]] std::uint32_t linkLongest(std::size_t pos)
    {
        std::size_t p = std::max(m_longestFrom, pos > std::size_t(kWindow) ? pos - kWindow : 0);
        for (; p < pos; ++p)
            if (m_size - p >= kLevels[kLevelCount])
                linkAt<kLevelCount>(p);
        m_longestFrom = pos + 1;
        return linkAt<kLevelCount>(pos);
    }

    template <int L> std::uint32_t linkAt(std::size_t pos)
    {
        // Heads keep the low 16 bits of the position: a head from 65536 or more
        // positions back may name a wrong position, which the search then rejects.
        std::uint16_t &head = m_head[L][hash<L>(m_data + pos)];
        std::uint32_t d = std::uint16_t(pos - head);
        if (d == 0 || d > pos)
            d = kNone;
        head = std::uint16_t(pos);
        m_prev[L][pos & kMask] = std::uint16_t(d);
        return d;
    }

    static inline const std::uint32_t kFirstThree = [] {
        const std::uint8_t bytes[4] = {0xFF, 0xFF, 0xFF, 0};
        std::uint32_t v;
        std::memcpy(&v, bytes, 4);
        return v;
    }();

    static std::uint32_t load32(const std::uint8_t *p)
    {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return v;
    }

    static std::uint64_t load64(const std::uint8_t *p)
    {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        return v;
    }

    // Hash of the first kLevels[L] bytes, read as whole words that may overlap.
    template <int L> static std::uint32_t hash(const std::uint8_t *p)
    {
        constexpr std::uint32_t n = kLevels[L];
        std::uint64_t v;
        if constexpr (n == 3)
            v = std::uint64_t(p[0]) | std::uint64_t(p[1]) << 8 | std::uint64_t(p[2]) << 16;
        else if constexpr (n == 4)
            v = load32(p);
        else if constexpr (n <= 8)
            v = load32(p) | std::uint64_t(load32(p + n - 4)) << 32;
        else
            v = load64(p) ^ (load64(p + n - 8) * 0xC2B2AE3D27D4EB4Full >> 5);
        return std::uint32_t((v * 0x9E3779B97F4A7C15ull) >> (64 - kHashBits[L]));
    }

    static std::uint32_t matchLength(const std::uint8_t *a, const std::uint8_t *b,
                                     std::uint32_t len, std::uint32_t limit)
    {
        while (len + 8 <= limit) {
            std::uint64_t x;
            std::uint64_t y;
            std::memcpy(&x, a + len, 8);
            std::memcpy(&y, b + len, 8);
            if (x != y) {
                if constexpr (std::endian::native == std::endian::little)
                    return len + std::uint32_t(std::countr_zero(x ^ y) >> 3);
                else
                    return len + std::uint32_t(std::countl_zero(x ^ y) >> 3);
            }
            len += 8;
        }
        while (len < limit && a[len] == b[len])
            ++len;
        return len;
    }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::array<std::vector<std::uint16_t>, kLevelCount + 1> m_head;
    std::array<std::vector<std::uint16_t>, kLevelCount + 1> m_prev;
    std::size_t m_longestFrom = 0; // the first position the longest chain lacks
    bool m_sparse = false;         // the 4-byte chain is left aside
    std::size_t m_level1From = 0;  // the first position it lacks then
    std::uint32_t m_searches = 0;  // since the mode was last looked at
    std::uint32_t m_misses = 0;    // searches that walked the 3-byte chain after all
    std::uint32_t m_nodes = 0;     // chain positions visited
};

class BitWriter
{
public:
    explicit BitWriter(std::vector<std::uint8_t> &out) : m_out(out), m_used(out.size()) {}

    void put(int n, std::uint32_t value)
    {
        m_acc = (m_acc << n) | (value & ((std::uint64_t(1) << n) - 1));
        m_count += n;
        if (m_count >= 32) {
            m_count -= 32;
            if (m_used + 4 > m_out.size())
                grow();
            const std::uint32_t w = std::uint32_t(m_acc >> m_count);
            std::uint8_t *to = m_out.data() + m_used;
            to[0] = std::uint8_t(w >> 24);
            to[1] = std::uint8_t(w >> 16);
            to[2] = std::uint8_t(w >> 8);
            to[3] = std::uint8_t(w);
            m_used += 4;
        }
    }

    // Writes the whole bytes; bits short of a byte are dropped (callers pad first).
    void flush()
    {
        m_out.resize(m_used + std::size_t(m_count / 8));
        while (m_count >= 8) {
            m_count -= 8;
            m_out[m_used++] = std::uint8_t(m_acc >> m_count);
        }
        m_count = 0;
    }

private:
    [[gnu::noinline]] void grow() { m_out.resize(std::max<std::size_t>(2 * m_out.size(), 4096)); }

    std::vector<std::uint8_t> &m_out;
    std::size_t m_used; // bytes of m_out written; the rest is room to grow
    std::uint64_t m_acc = 0;
    int m_count = 0;
};

// The symbols that occur, least frequent first (ties in symbol order), and how many of
// them get each code length; the most frequent get the shortest codes.
struct LengthPlan {
    int n = 0;
    std::array<std::uint16_t, kNC> leaves;
    std::array<int, kMaxCodeLen + 1> count;
};

// Huffman code lengths limited to kMaxCodeLen. Returns -1 when two or more symbols
// occur, otherwise the only symbol (0 when none occurs); then no length is planned.
int planLengths(int nsym, const std::uint32_t *freq, LengthPlan &plan)
{
    plan.count.fill(0);
    int n = 0;
    for (int s = 0; s < nsym; ++s)
        if (freq[s] != 0)
            plan.leaves[std::size_t(n++)] = std::uint16_t(s);
    plan.n = n;
    if (n == 0)
        return 0;
    if (n == 1)
        return plan.leaves[0];
    std::sort(plan.leaves.begin(), plan.leaves.begin() + n,
              [freq](int a, int b) { return freq[a] != freq[b] ? freq[a] < freq[b] : a < b; });

    std::array<std::uint32_t, 2 * kNC> weight;
    std::array<int, 2 * kNC> parent;
    for (int i = 0; i < n; ++i)
        weight[std::size_t(i)] = freq[plan.leaves[std::size_t(i)]];
    int leaf = 0;
    int inner = n;
    const auto pick = [&](int next) {
        if (leaf < n && (inner >= next || weight[std::size_t(leaf)] <= weight[std::size_t(inner)]))
            return leaf++;
        return inner++;
    };
    for (int k = n; k < 2 * n - 1; ++k) {
        const int a = pick(k);
        const int b = pick(k);
        weight[std::size_t(k)] = weight[std::size_t(a)] + weight[std::size_t(b)];
        parent[std::size_t(a)] = parent[std::size_t(b)] = k;
    }
    std::array<int, 2 * kNC> depth;
    depth[std::size_t(2 * n - 2)] = 0;
    for (int k = 2 * n - 3; k >= 0; --k) {
        depth[std::size_t(k)] = depth[std::size_t(parent[std::size_t(k)])] + 1;
        if (k < n)
            ++plan.count[std::size_t(std::min(depth[std::size_t(k)], kMaxCodeLen))];
    }
    // Clamping deep leaves to 16 over-fills the code space; move leaves down until full.
    std::uint32_t cum = 0;
    for (int l = 1; l <= kMaxCodeLen; ++l)
        cum += std::uint32_t(plan.count[std::size_t(l)]) << (kMaxCodeLen - l);
    while (cum > (1u << kMaxCodeLen)) {
        --plan.count[kMaxCodeLen];
        for (int l = kMaxCodeLen - 1; l > 0; --l) {
            if (plan.count[std::size_t(l)] != 0) {
                --plan.count[std::size_t(l)];
                plan.count[std::size_t(l + 1)] += 2;
                break;
            }
        }
        --cum;
    }
    return -1;
}

void assignLengths(int nsym, const LengthPlan &plan, std::uint8_t *len)
{
    std::fill(len, len + nsym, std::uint8_t(0));
    int i = 0;
    for (int l = kMaxCodeLen; l > 0; --l)
        for (int c = plan.count[std::size_t(l)]; c > 0; --c)
            len[plan.leaves[std::size_t(i++)]] = std::uint8_t(l);
}

// Code lengths for `freq`; the return value as for planLengths.
int buildLengths(int nsym, const std::uint32_t *freq, std::uint8_t *len)
{
    LengthPlan plan;
    const int root = planLengths(nsym, freq, plan);
    assignLengths(nsym, plan, len);
    return root;
}

// Bits of a T or P length table: the count field, the lengths up to the last non-zero
// one, and the 2-bit zero run after `special` lengths.
int ptTableBits(int nsym, int countBits, int special, const std::uint8_t *len)
{
    int n = nsym;
    while (n > 0 && len[n - 1] == 0)
        --n;
    int bits = countBits;
    int i = 0;
    while (i < n) {
        const int k = len[i++];
        bits += k <= 6 ? 3 : k - 3;
        if (i == special) {
            while (i < 6 && len[i] == 0)
                ++i;
            bits += 2;
        }
    }
    return bits;
}

// How a run of zero C lengths is sent: `zeros` T symbols 0 and `pieces` T symbols 1
// (3 to 18 zeros each), or one T symbol 2 (20 or more) when `pieces` is -1.
struct RunSplit {
    int zeros = 0;
    int pieces = 0;
};

// Chooses run splits by the bit cost of each T symbol 0, 1 and 2 with its extra bits;
// a symbol without a code is never chosen.
class RunCoder
{
public:
    // Costs in bits of one T symbol 0, of one T symbol 1 with its 4 bits and of one T
    // symbol 2 with its 9 bits.
    RunCoder(std::uint64_t zero, std::uint64_t shortRun, std::uint64_t longRun)
        : m_zero(zero), m_short(shortRun), m_long(longRun)
    {
    }

    // The fixed rule: 1-2 zeros one by one, 3-18 one T 1, 19 a 0 and a 1, 20 and more
    // one T 2.
    static RunCoder byRule() { return RunCoder(2, 5, 6); }

    static RunCoder fromLengths(const std::uint8_t *tLen)
    {
        const auto cost = [tLen](int t, int extra) {
            return tLen[t] != 0 ? std::uint64_t(tLen[t] + extra) : kNoCode;
        };
        return RunCoder(cost(0, 0), cost(1, 4), cost(2, kCBits));
    }

    RunSplit split(int run) const
    {
        RunSplit best{0, -1};
        std::uint64_t bestCost = run >= 20 ? m_long : kNoCode * kNC;
        for (int m = 0; 3 * m <= run; ++m) {
            const int z = std::max(0, run - 18 * m);
            const std::uint64_t cost = std::uint64_t(z) * m_zero + std::uint64_t(m) * m_short;
            if (cost < bestCost) {
                bestCost = cost;
                best = {z, m};
            }
            if (z == 0)
                break;
        }
        return best;
    }

private:
    static constexpr std::uint64_t kNoCode = std::uint64_t(1) << 32;

    std::uint64_t m_zero;
    std::uint64_t m_short;
    std::uint64_t m_long;
};

// Moves C code lengths away from the Huffman ones where a cheaper C table outweighs the
// longer symbol codes. A step turns three codes of one length into one a bit shorter
// and two a bit longer, or back, which keeps the code complete; the cheapest step is
// taken until none saves bits. `zeroRuns` counts the T symbols 0, 1 and 2.
void tuneForTable(LengthPlan &plan, const std::uint32_t *freq,
                  const std::array<std::uint32_t, 3> &zeroRuns)
{
    std::array<std::uint64_t, kNC + 1> prefix;
    prefix[0] = 0;
    for (int i = 0; i < plan.n; ++i)
        prefix[std::size_t(i + 1)] = prefix[std::size_t(i)] + freq[plan.leaves[std::size_t(i)]];
    using Counts = std::array<int, kMaxCodeLen + 1>;
    const auto bits = [&](const Counts &count) {
        std::uint64_t total = 0;
        int at = 0;
        for (int l = kMaxCodeLen; l > 0; --l) {
            const int next = at + count[std::size_t(l)];
            total += std::uint64_t(l) * (prefix[std::size_t(next)] - prefix[std::size_t(at)]);
            at = next;
        }
        std::array<std::uint32_t, kNT> tFreq;
        std::copy(zeroRuns.begin(), zeroRuns.end(), tFreq.begin());
        for (int l = 1; l <= kMaxCodeLen; ++l)
            tFreq[std::size_t(l + 2)] = std::uint32_t(count[std::size_t(l)]);
        std::array<std::uint8_t, kNT> tLen;
        if (buildLengths(kNT, tFreq.data(), tLen.data()) >= 0)
            return total + 2 * kTBits;
        total += std::uint64_t(ptTableBits(kNT, kTBits, 3, tLen.data()));
        for (int t = 0; t < kNT; ++t)
            total += std::uint64_t(tFreq[std::size_t(t)]) * tLen[std::size_t(t)];
        return total;
    };
    std::uint64_t best = bits(plan.count);
    for (;;) {
        Counts bestCount = plan.count;
        for (int l = 2; l < kMaxCodeLen; ++l) {
            Counts c = plan.count;
            if (c[std::size_t(l)] >= 3) {
                c[std::size_t(l)] -= 3;
                ++c[std::size_t(l - 1)];
                c[std::size_t(l + 1)] += 2;
                if (const std::uint64_t b = bits(c); b < best) {
                    best = b;
                    bestCount = c;
                }
                c = plan.count;
            }
            if (c[std::size_t(l - 1)] >= 1 && c[std::size_t(l + 1)] >= 2) {
                --c[std::size_t(l - 1)];
                c[std::size_t(l + 1)] -= 2;
                c[std::size_t(l)] += 3;
                if (const std::uint64_t b = bits(c); b < best) {
                    best = b;
                    bestCount = c;
                }
            }
        }
        if (bestCount == plan.count)
            break;
        plan.count = bestCount;
    }
}

int bitLength(std::uint32_t v)
{
    return v == 0 ? 0 : int(std::bit_width(v));
}

class Encoder
{
public:
    Encoder(const std::uint8_t *data, std::size_t size, std::vector<std::uint8_t> &out)
        : m_data(data), m_size(size), m_bits(out)
    {
    }

    void run()
    {
        MatchFinder finder(m_data, m_size);
        std::size_t pos = 0;
        Match cur = m_size > 0 ? finder.find(0) : Match{};
        while (pos < m_size) {
            const Match last = cur;
            ++pos;
            // The next match only matters if it is longer than this one.
            cur = pos < m_size ? finder.find(pos, last.len) : Match{};
            if (cur.len > last.len || last.len < std::uint32_t(kMinMatch)) {
                output(m_data[pos - 1], 0);
                continue;
            }
            output(last.len + 256 - kMinMatch, (last.dist - 1) & (kWindow - 1));
            // Positions inside the match are only added; the search resumes after it.
            const std::size_t end = pos - 1 + last.len;
            if (pos + 1 < end)
                finder.insert(pos + 1, end, last.dist == 1);
            pos = std::max(pos + 1, end);
            cur = pos < m_size ? finder.find(pos) : Match{};
        }
        sendBlock();
        m_bits.put(7, 0);
        m_bits.flush();
    }

private:
    void output(std::uint32_t c, std::uint32_t p)
    {
        m_mask >>= 1;
        if (m_mask == 0) {
            m_mask = 0x80;
            if (m_bufPos >= kBlockClose) {
                sendBlock();
                m_bufPos = 0;
            }
            m_flagPos = m_bufPos++;
            m_buf[std::size_t(m_flagPos)] = 0;
        }
        m_buf[std::size_t(m_bufPos++)] = std::uint8_t(c);
        ++m_cFreq[c];
        if (c >= 256) {
            m_buf[std::size_t(m_flagPos)] |= std::uint8_t(m_mask);
            m_buf[std::size_t(m_bufPos++)] = std::uint8_t(p >> 8);
            m_buf[std::size_t(m_bufPos++)] = std::uint8_t(p);
            ++m_pFreq[std::size_t(bitLength(p))];
        }
    }

    void sendBlock()
    {
        std::uint32_t symbols = 0;
        for (std::uint32_t f : m_cFreq)
            symbols += f;
        LengthPlan plan;
        const int cRoot = planLengths(kNC, m_cFreq.data(), plan);
        m_bits.put(16, symbols);
        if (cRoot < 0) {
            assignLengths(kNC, plan, m_cLen.data());
            m_runs = RunCoder::byRule();
            countTFreq();
            tuneForTable(plan, m_cFreq.data(), {m_tFreq[0], m_tFreq[1], m_tFreq[2]});
            assignLengths(kNC, plan, m_cLen.data());
            chooseRunCoding();
            canonicalCodes(kNC, m_cLen.data(), m_cCode.data());
            if (m_tRoot < 0) {
                canonicalCodes(kNT, m_tLen.data(), m_tCode.data());
                writePtLen(kNT, kTBits, 3, m_tLen.data());
            } else {
                m_bits.put(kTBits, 0);
                m_bits.put(kTBits, std::uint32_t(m_tRoot));
            }
            writeCLen();
        } else {
            m_bits.put(kTBits, 0);
            m_bits.put(kTBits, 0);
            m_bits.put(kCBits, 0);
            m_bits.put(kCBits, std::uint32_t(cRoot));
        }
        const int pRoot = buildLengths(kNP, m_pFreq.data(), m_pLen.data());
        if (pRoot < 0) {
            canonicalCodes(kNP, m_pLen.data(), m_pCode.data());
            writePtLen(kNP, kPBits, -1, m_pLen.data());
        } else {
            m_bits.put(kPBits, 0);
            m_bits.put(kPBits, std::uint32_t(pRoot));
        }
        writeSymbols(symbols);
        m_cFreq.fill(0);
        m_pFreq.fill(0);
    }

    void writeSymbols(std::uint32_t symbols)
    {
        std::size_t pos = 0;
        unsigned flags = 0;
        for (std::uint32_t i = 0; i < symbols; ++i) {
            if (i % 8 == 0)
                flags = m_buf[pos++];
            else
                flags <<= 1;
            if (flags & 0x80) {
                const std::uint32_t c = m_buf[pos] + 256u;
                const std::uint32_t p = std::uint32_t(m_buf[pos + 1]) << 8 | m_buf[pos + 2];
                pos += 3;
                m_bits.put(m_cLen[c], m_cCode[c]);
                const int cls = bitLength(p);
                m_bits.put(m_pLen[std::size_t(cls)], m_pCode[std::size_t(cls)]);
                if (cls > 1)
                    m_bits.put(cls - 1, p);
            } else {
                const std::uint8_t c = m_buf[pos++];
                m_bits.put(m_cLen[c], m_cCode[c]);
            }
        }
    }

    int cLenCount() const
    {
        int n = kNC;
        while (n > 0 && m_cLen[std::size_t(n - 1)] == 0)
            --n;
        return n;
    }

    // Walks the C lengths as writeCLen sends them, calling `emit` for each T symbol
    // and `extra` for the bits that follow a run symbol.
    template <typename Emit, typename Extra> void walkCLen(int n, Emit emit, Extra extra)
    {
        int i = 0;
        while (i < n) {
            const int k = m_cLen[std::size_t(i++)];
            if (k != 0) {
                emit(k + 2);
                continue;
            }
            int run = 1;
            while (i < n && m_cLen[std::size_t(i)] == 0) {
                ++i;
                ++run;
            }
            const RunSplit s = m_runs.split(run);
            if (s.pieces < 0) {
                emit(2);
                extra(kCBits, run - 20);
                continue;
            }
            for (int z = 0; z < s.zeros; ++z)
                emit(0);
            int left = run - s.zeros;
            for (int p = s.pieces; p > 0; --p) {
                const int take = std::min(18, left - 3 * (p - 1));
                emit(1);
                extra(4, take - 3);
                left -= take;
            }
        }
    }

    // T frequencies of the C lengths; returns the bits that follow run symbols.
    std::uint64_t countTFreq()
    {
        m_tFreq.fill(0);
        std::uint64_t extraBits = 0;
        walkCLen(
            cLenCount(), [this](int t) { ++m_tFreq[std::size_t(t)]; },
            [&extraBits](int bits, int) { extraBits += std::uint64_t(bits); });
        return extraBits;
    }

    // Builds the T code for the current run coding; returns the bits of the T and C
    // tables.
    std::uint64_t buildTCode()
    {
        const std::uint64_t extraBits = countTFreq();
        m_tRoot = buildLengths(kNT, m_tFreq.data(), m_tLen.data());
        if (m_tRoot >= 0)
            return 2 * kTBits + extraBits;
        std::uint64_t bits = std::uint64_t(ptTableBits(kNT, kTBits, 3, m_tLen.data())) + extraBits;
        for (int t = 0; t < kNT; ++t)
            bits += std::uint64_t(m_tFreq[std::size_t(t)]) * m_tLen[std::size_t(t)];
        return bits;
    }

    // Zero runs by the fixed rule, or split by the bit costs of the T code that rule
    // gives when that makes the tables shorter.
    void chooseRunCoding()
    {
        m_runs = RunCoder::byRule();
        const std::uint64_t byRule = buildTCode();
        if (m_tRoot >= 0)
            return;
        const RunCoder byCost = RunCoder::fromLengths(m_tLen.data());
        m_runs = byCost;
        if (buildTCode() < byRule)
            return;
        m_runs = RunCoder::byRule();
        buildTCode();
    }

    void writeCLen()
    {
        const int n = cLenCount();
        m_bits.put(kCBits, std::uint32_t(n));
        walkCLen(
            n, [this](int t) { m_bits.put(m_tLen[std::size_t(t)], m_tCode[std::size_t(t)]); },
            [this](int bits, int value) { m_bits.put(bits, std::uint32_t(value)); });
    }

    void writePtLen(int nsym, int countBits, int special, const std::uint8_t *len)
    {
        int n = nsym;
        while (n > 0 && len[n - 1] == 0)
            --n;
        m_bits.put(countBits, std::uint32_t(n));
        int i = 0;
        while (i < n) {
            const int k = len[i++];
            if (k <= 6)
                m_bits.put(3, std::uint32_t(k));
            else
                m_bits.put(k - 3, (1u << (k - 3)) - 2);
            if (i == special) {
                while (i < 6 && len[i] == 0)
                    ++i;
                m_bits.put(2, std::uint32_t(i - 3));
            }
        }
    }

    const std::uint8_t *m_data;
    std::size_t m_size;
    BitWriter m_bits;

    std::array<std::uint8_t, kBlockBuffer> m_buf{};
    int m_bufPos = 0;
    int m_flagPos = 0;
    unsigned m_mask = 0;

    std::array<std::uint32_t, kNC> m_cFreq{};
    std::array<std::uint32_t, kNP> m_pFreq{};
    std::array<std::uint32_t, kNT> m_tFreq{};
    std::array<std::uint8_t, kNC> m_cLen{};
    std::array<std::uint16_t, kNC> m_cCode{};
    std::array<std::uint8_t, kNP> m_pLen{};
    std::array<std::uint16_t, kNP> m_pCode{};
    std::array<std::uint8_t, kNT> m_tLen{};
    std::array<std::uint16_t, kNT> m_tCode{};
    RunCoder m_runs = RunCoder::byRule();
    int m_tRoot = -1;
};

} // namespace

void canonicalCodes(int nsym, const std::uint8_t *len, std::uint16_t *code)
{
    std::array<std::uint32_t, kMaxCodeLen + 2> start{};
    std::array<std::uint32_t, kMaxCodeLen + 1> count{};
    for (int s = 0; s < nsym; ++s)
        ++count[len[s]];
    for (int l = 1; l <= kMaxCodeLen; ++l)
        start[std::size_t(l + 1)] = (start[std::size_t(l)] + count[std::size_t(l)]) << 1;
    for (int s = 0; s < nsym; ++s)
        if (len[s] != 0)
            code[s] = std::uint16_t(start[len[s]]++);
}

void encode(const std::uint8_t *data, std::size_t size, std::vector<std::uint8_t> &out)
{
    const std::uint32_t n = std::uint32_t(size);
    const std::uint8_t header[kHeaderSize] = {std::uint8_t(n), std::uint8_t(n >> 8),
                                              std::uint8_t(n >> 16), std::uint8_t(n >> 24)};
    out.insert(out.end(), header, header + kHeaderSize);
    auto encoder = std::make_unique<Encoder>(data, size, out);
    encoder->run();
}

} // namespace tw::lzh
