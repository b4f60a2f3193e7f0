#include "format/Blowfish.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct Vector {
    const char *key;
    const char *plain;
    const char *cipher;
};

// Published Blowfish test vectors (Eric Young's set), halves big-endian.
const Vector kVectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
};

std::uint32_t word(const char *hex, int index)
{
    return QByteArray(hex + 8 * index, 8).toUInt(nullptr, 16);
}

class BlowfishVectors : public ::testing::TestWithParam<Vector>
{
};

TEST_P(BlowfishVectors, EncryptsAndDecryptsTheBlock)
{
    const Vector &v = GetParam();
    const TBlowfish cipher(QByteArray::fromHex(v.key));
    std::uint32_t l = word(v.plain, 0);
    std::uint32_t r = word(v.plain, 1);
    cipher.encryptBlock(l, r);
    EXPECT_EQ(l, word(v.cipher, 0));
    EXPECT_EQ(r, word(v.cipher, 1));
    cipher.decryptBlock(l, r);
    EXPECT_EQ(l, word(v.plain, 0));
    EXPECT_EQ(r, word(v.plain, 1));
}

INSTANTIATE_TEST_SUITE_P(Published, BlowfishVectors, ::testing::ValuesIn(kVectors));

TEST(Blowfish, EcbReadsHalvesLittleEndianAndLeavesATailAlone)
{
    const TBlowfish cipher(QByteArray("secret"));
    QByteArray data = QByteArray::fromHex("0011223344556677"
                                          "8899AABBCCDDEEFF"
                                          "ABCD");
    const QByteArray original = data;
    cipher.encryptEcb(data.data(), data.size());

    std::uint32_t l = 0x33221100;
    std::uint32_t r = 0x77665544;
    cipher.encryptBlock(l, r);
    QByteArray first;
    for (std::uint32_t w : {l, r})
        for (int i = 0; i < 4; ++i)
            first.append(char((w >> (8 * i)) & 0xFF));
    EXPECT_EQ(data.left(8), first);
    EXPECT_EQ(data.right(2), QByteArray::fromHex("ABCD"));
    EXPECT_NE(data.mid(8, 8), original.mid(8, 8));

    cipher.decryptEcb(data.data(), data.size());
    EXPECT_EQ(data, original);
}

TEST(Blowfish, OrdinaryKeysAreNotWeak)
{
    for (const char *key : {"a", "DCLProject", "0123456789", "Tilewright key"})
        EXPECT_FALSE(TBlowfish(QByteArray(key)).hasWeakKey()) << key;
}

} // namespace
} // namespace tw
