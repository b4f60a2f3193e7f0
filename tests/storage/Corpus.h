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
// Deterministic English-like text.
QByteArray sampleText(qsizetype size, quint32 seed);

} // namespace tw::test
