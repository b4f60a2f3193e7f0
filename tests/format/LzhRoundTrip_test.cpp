#include "Corpus.h"
#include "format/Lzh.h"

#include <QBuffer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

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

// The codec keeps no shared state: calls on different data may run at once.
TEST(LzhConcurrency, ParallelCallsGiveTheSameBytesAsSerialOnes)
{
    const auto &corpus = test::lzhCorpus();
    std::vector<QByteArray> serial;
    for (const test::CorpusItem &item : corpus)
        serial.push_back(CompressBytes(item.data));
    std::atomic<int> mismatches{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (std::size_t i = std::size_t(t); i < corpus.size(); i += 2) {
                const QByteArray packed = CompressBytes(corpus[i].data);
                if (packed != serial[i] || DecompressBytes(packed) != corpus[i].data)
                    ++mismatches;
            }
        });
    }
    for (std::thread &th : threads)
        th.join();
    EXPECT_EQ(mismatches.load(), 0);
}

} // namespace
} // namespace tw
