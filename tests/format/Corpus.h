#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tw::test
{

struct CorpusItem {
    QString name;
    QByteArray data;
};

// Seeded test inputs: empty, one byte, text, random bytes, runs of one byte, sizes
// around the window and block sizes, and a few hundred KB of mixed content.
const std::vector<CorpusItem> &lzhCorpus();

// Deterministic pseudo-random bytes.
QByteArray randomBytes(qsizetype size, quint32 seed);
// Every ordered pair of `values` once (a de Bruijn sequence, first byte repeated at the
// end): no 3-byte repeat, so only literals, each about equally often.
QByteArray distinctPairs(const std::vector<int> &values);
// Distinct pairs of 0 and the bytes from run + 1 on: the literal code lengths have one
// zero run of `run` and no other.
QByteArray literalGap(int run);
// Deterministic English-like text.
QByteArray sampleText(qsizetype size, quint32 seed);

} // namespace tw::test
