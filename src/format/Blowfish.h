#pragma once

#include <QByteArrayView>
#include <array>
#include <cstdint>

namespace tw
{

// Blowfish block cipher, 16 rounds, with the standard key schedule: the key bytes are
// XORed cyclically into the 18 subkeys, most significant byte of each word first.
// The object holds only its own tables; any number may be used at once.
class TBlowfish
{
public:
    // An empty key leaves the initial tables unkeyed apart from subkey generation.
    explicit TBlowfish(QByteArrayView key);

    // True when some S-box holds two equal entries; such keys are refused by the
    // stream collection.
    bool hasWeakKey() const;

    void encryptBlock(std::uint32_t &left, std::uint32_t &right) const;
    void decryptBlock(std::uint32_t &left, std::uint32_t &right) const;

    // Electronic code book over every whole 8-byte block of `data`; the first four
    // bytes of a block are the left half and the next four the right half, each a
    // little-endian word. Bytes after the last whole block are left alone.
    void encryptEcb(char *data, qsizetype size) const;
    void decryptEcb(char *data, qsizetype size) const;

private:
    std::uint32_t f(std::uint32_t x) const;

    std::array<std::uint32_t, 18> m_p{};
    std::array<std::array<std::uint32_t, 256>, 4> m_s{};
};

} // namespace tw
