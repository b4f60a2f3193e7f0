#include "format/Blowfish.h"

#include "format/BlowfishTables.h"

#include <algorithm>
#include <utility>

namespace tw
{
namespace
{

std::uint32_t readLe(const char *p)
{
    return std::uint32_t(std::uint8_t(p[0])) | std::uint32_t(std::uint8_t(p[1])) << 8 |
           std::uint32_t(std::uint8_t(p[2])) << 16 | std::uint32_t(std::uint8_t(p[3])) << 24;
}

void writeLe(char *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

TBlowfish::TBlowfish(QByteArrayView key)
{
    std::copy(std::begin(blowfish::kInitP), std::end(blowfish::kInitP), m_p.begin());
    for (std::size_t b = 0; b < 4; ++b)
        std::copy(std::begin(blowfish::kInitS[b]), std::end(blowfish::kInitS[b]), m_s[b].begin());
    if (!key.isEmpty()) {
        qsizetype k = 0;
        for (std::uint32_t &p : m_p) {
            std::uint32_t word = 0;
            for (int i = 0; i < 4; ++i) {
                word = (word << 8) | std::uint8_t(key[k]);
                k = (k + 1) % key.size();
            }
            p ^= word;
        }
    }
    std::uint32_t l = 0;
    std::uint32_t r = 0;
    for (std::size_t i = 0; i < m_p.size(); i += 2) {
        encryptBlock(l, r);
        m_p[i] = l;
        m_p[i + 1] = r;
    }
    for (auto &box : m_s) {
        for (std::size_t i = 0; i < box.size(); i += 2) {
            encryptBlock(l, r);
            box[i] = l;
            box[i + 1] = r;
        }
    }
}

bool TBlowfish::hasWeakKey() const
{
    for (const auto &box : m_s) {
        auto sorted = box;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
            return true;
    }
    return false;
}

std::uint32_t TBlowfish::f(std::uint32_t x) const
{
    return ((m_s[0][x >> 24] + m_s[1][(x >> 16) & 0xFF]) ^ m_s[2][(x >> 8) & 0xFF]) +
           m_s[3][x & 0xFF];
}

void TBlowfish::encryptBlock(std::uint32_t &left, std::uint32_t &right) const
{
    std::uint32_t l = left;
    std::uint32_t r = right;
    for (int i = 0; i < 16; ++i) {
        l ^= m_p[std::size_t(i)];
        r ^= f(l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= m_p[16];
    l ^= m_p[17];
    left = l;
    right = r;
}

void TBlowfish::decryptBlock(std::uint32_t &left, std::uint32_t &right) const
{
    std::uint32_t l = left;
    std::uint32_t r = right;
    for (int i = 17; i > 1; --i) {
        l ^= m_p[std::size_t(i)];
        r ^= f(l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= m_p[1];
    l ^= m_p[0];
    left = l;
    right = r;
}

void TBlowfish::encryptEcb(char *data, qsizetype size) const
{
    for (qsizetype i = 0; i + 8 <= size; i += 8) {
        std::uint32_t l = readLe(data + i);
        std::uint32_t r = readLe(data + i + 4);
        encryptBlock(l, r);
        writeLe(data + i, l);
        writeLe(data + i + 4, r);
    }
}

void TBlowfish::decryptEcb(char *data, qsizetype size) const
{
    for (qsizetype i = 0; i + 8 <= size; i += 8) {
        std::uint32_t l = readLe(data + i);
        std::uint32_t r = readLe(data + i + 4);
        decryptBlock(l, r);
        writeLe(data + i, l);
        writeLe(data + i + 4, r);
    }
}

} // namespace tw
