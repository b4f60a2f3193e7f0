#include "Corpus.h"

#include <random>

namespace tw::test
{

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    std::mt19937 rng(seed);
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char(rng() & 0xFF);
    return out;
}

QByteArray distinctPairs(const std::vector<int> &values)
{
    const int k = int(values.size());
    std::vector<int> a(3, 0);
    QByteArray out;
    // Lyndon words of length 1 or 2, in order, give the sequence.
    const auto visit = [&](auto &self, int t, int p) -> void {
        if (t > 2) {
            if (2 % p == 0)
                for (int j = 1; j <= p; ++j)
                    out.append(char(values[std::size_t(a[std::size_t(j)])]));
            return;
        }
        a[std::size_t(t)] = a[std::size_t(t - p)];
        self(self, t + 1, p);
        for (int j = a[std::size_t(t - p)] + 1; j < k; ++j) {
            a[std::size_t(t)] = j;
            self(self, t + 1, t);
        }
    };
    visit(visit, 1, 1);
    out.append(out[0]);
    return out;
}

QByteArray literalGap(int run)
{
    std::vector<int> values{0};
    for (int i = 1; i <= 5; ++i)
        values.push_back(run + i);
    return distinctPairs(values);
}

QByteArray sampleText(qsizetype size, quint32 seed)
{
    static const char *const words[] = {
        "dialog",       "tile",      "button", "the",    "of",        "and",
        "radio_button", "key",       "label",  "width",  "height",    "edit",
        "list_box",     "(setq",     "action", "value",  "is",        "a",
        "to",           "column",    "row",    "(defun", "c:Load",    "slider",
        "popup",        "in",        "for",    "image",  "boxed_row", "ok_cancel",
        "fixed_width",  "alignment", "=",      ";",      "\"",        "}"};
    constexpr int wordCount = int(sizeof(words) / sizeof(words[0]));
    std::mt19937 rng(seed);
    std::geometric_distribution<int> pick(0.12);
    QByteArray out;
    out.reserve(size + 32);
    int column = 0;
    while (out.size() < size) {
        const char *w = words[std::min(pick(rng), wordCount - 1)];
        out.append(w);
        column += int(qstrlen(w)) + 1;
        if (column > 60 + int(rng() % 20)) {
            out.append('\n');
            column = 0;
            if (rng() % 5 == 0)
                out.append("    ");
        } else {
            out.append(' ');
        }
        if (rng() % 97 == 0)
            out.append(QByteArray::number(rng() % 100000));
    }
    out.truncate(size);
    return out;
}

const std::vector<CorpusItem> &lzhCorpus()
{
    static const std::vector<CorpusItem> corpus = [] {
        std::vector<CorpusItem> c;
        c.push_back({"empty", {}});
        c.push_back({"one_byte", QByteArray(1, 'x')});
        c.push_back({"two_bytes", QByteArray("ab")});
        c.push_back({"short_text", QByteArray("abcabcabcabc hello hello hello")});
        c.push_back({"text_5k", sampleText(5000, 1)});
        c.push_back({"random_3k", randomBytes(3000, 2)});
        c.push_back({"run_100k", QByteArray(100000, 'a')});
        c.push_back({"run_zero_20k", QByteArray(20000, '\0')});
        for (qsizetype size : {8191, 8192, 8193, 16383, 16384, 16385})
            c.push_back({QString("text_%1").arg(size), sampleText(size, quint32(size))});
        for (qsizetype size : {8192, 16384})
            c.push_back({QString("random_%1").arg(size), randomBytes(size, quint32(size))});
        QByteArray mixed;
        for (int i = 0; i < 12; ++i) {
            mixed += sampleText(20000 + i * 1000, quint32(100 + i));
            mixed += randomBytes(3000 + i * 500, quint32(200 + i));
            mixed += QByteArray(1000 + i * 300, char('A' + i));
        }
        c.push_back({"mixed_300k", mixed});
        for (int run : {1, 2, 3, 18, 19, 20, 21, 40, 200})
            c.push_back({QString("literal_gap_%1").arg(run), literalGap(run)});
        std::vector<int> sixteen;
        for (int v = 0; v < 16; ++v)
            sixteen.push_back(v);
        c.push_back({"sixteen_equal_literals", distinctPairs(sixteen)});
        c.push_back({"text_400k", sampleText(400000, 7)});
        return c;
    }();
    return corpus;
}

} // namespace tw::test
