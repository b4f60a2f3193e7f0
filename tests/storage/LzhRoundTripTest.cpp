#include "Corpus.h"
#include "storage/Lzh.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

class LzhRoundTrip : public ::testing::TestWithParam<test::CorpusItem>
{
};

TEST_P(LzhRoundTrip, BytesExpandToTheSource)
{
    const QByteArray &data = GetParam().data;
    const QByteArray packed = CompressBytes(data);
    ASSERT_GE(packed.size(), 4);
    const quint32 header = quint8(packed[0]) | quint8(packed[1]) << 8 | quint8(packed[2]) << 16 |
                           quint32(quint8(packed[3])) << 24;
    EXPECT_EQ(header, quint32(data.size()));
    EXPECT_EQ(DecompressBytes(packed), data);
}

std::string corpusName(const ::testing::TestParamInfo<test::CorpusItem> &info)
{
    return info.param.name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Corpus, LzhRoundTrip, ::testing::ValuesIn(test::lzhCorpus()), corpusName);

} // namespace
} // namespace tw
