// -lh5- throughput and compressed size on a corpus, side by side with other programs in
// the same run: jlha compressing (its Java library: CPU time of the encoding thread inside
// the JVM, best of three, so JVM start-up and JIT threads are not counted), 7-Zip and
// lhasa decompressing (CPU time, user + system, of a whole `7zz x -so` or `lhasa pq` run
// on an archive holding our stream, output to /dev/null, best of three). Our own figures
// in the summary are thread CPU time in-process, best of several runs; CPU time keeps the
// comparison fair on a shared, busy machine. MB = 10^6 bytes.
//
// Run: storage_lzh_bench [--benchmark_filter=...]   (needs 7zz, lhasa, java, jlha.jar)

#include "LhaArchive.h"
#include "format/Lzh.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <sys/resource.h>
#include <time.h>

namespace
{

// This file's folder (bench/), for the jlha helper beside it and the shared texts.
QString benchDir()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath();
}

struct Item {
    std::string name;
    QByteArray data;
};

// English-like text: Zipf-distributed words of a fixed pseudo-vocabulary, with
// punctuation, numbers and line breaks.
QByteArray generatedText(qsizetype size, unsigned seed)
{
    static const char *const syllables[] = {"ta",  "re",  "in",  "on", "de", "si", "la", "ne",
                                            "co",  "ti",  "ve",  "ma", "ro", "ul", "es", "an",
                                            "pri", "str", "ght", "th", "ch", "ou", "ea", "ly"};
    std::mt19937 rng(seed);
    std::vector<QByteArray> words;
    for (int i = 0; i < 3000; ++i) {
        QByteArray w;
        const int n = 1 + int(rng() % 4);
        for (int k = 0; k < n; ++k)
            w += syllables[rng() % (sizeof syllables / sizeof syllables[0])];
        words.push_back(w);
    }
    std::vector<double> weights;
    for (int i = 0; i < int(words.size()); ++i)
        weights.push_back(1.0 / (i + 1));
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    QByteArray out;
    out.reserve(size + 64);
    int column = 0;
    bool capital = true;
    while (out.size() < size) {
        QByteArray w = words[std::size_t(pick(rng))];
        if (capital)
            w[0] = char(w[0] - 32);
        capital = false;
        out += w;
        column += int(w.size());
        const unsigned r = rng() % 100;
        if (r < 8) {
            out += ". ";
            capital = true;
        } else if (r < 13) {
            out += ", ";
        } else if (r < 14) {
            out += ' ' + QByteArray::number(int(rng() % 2000)) + ' ';
        } else {
            out += ' ';
        }
        if (column > 70) {
            out += '\n';
            column = 0;
            if (rng() % 8 == 0)
                out += '\n';
        }
    }
    out.truncate(size);
    return out;
}

QByteArray randomBytes(qsizetype size, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray out(size, Qt::Uninitialized);
    for (char &c : out)
        c = char(rng());
    return out;
}

std::vector<Item> corpus()
{
    std::vector<Item> items;
    items.push_back({"text_10MB", generatedText(10'000'000, 1)});
    QFile readme(benchDir() + "/../README.md");
    if (readme.open(QIODevice::ReadOnly))
        items.push_back({"readme_md", readme.readAll()});
    items.push_back({"text_100KB", generatedText(100'000, 2)});
    items.push_back({"random_1MB", randomBytes(1'000'000, 3)});
    items.push_back({"run_1MB", QByteArray(1'000'000, 'a')});
    QByteArray mixed;
    for (int i = 0; i < 20; ++i) {
        mixed += generatedText(30'000, 10 + unsigned(i));
        mixed += randomBytes(10'000, 40 + unsigned(i));
        mixed += QByteArray(2'000, char('A' + i));
    }
    items.push_back({"mixed_840KB", mixed});
    return items;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

double childrenCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// CPU time of one run, or -1 when the program is missing or fails.
double timeProcess(const QString &program, const QStringList &args)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return -1;
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    const double before = childrenCpuSeconds();
    p.start(path, args);
    if (!p.waitForFinished(600'000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return -1;
    return childrenCpuSeconds() - before;
}

struct Figures {
    qint64 packed = 0;
    double compress = 0;   // seconds
    double decompress = 0; // seconds
    qint64 jlhaPacked = -1;
    double jlha = -1;
    double sevenZip = -1;
    double lhasa = -1;
};

template <typename F> double bestOf(int runs, F f)
{
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const double start = threadCpuSeconds();
        f();
        best = std::min(best, threadCpuSeconds() - start);
    }
    return best;
}

// jlha sizes and times for every file, from one JVM.
std::map<QString, std::pair<qint64, double>> runJlha(const QStringList &files)
{
    std::map<QString, std::pair<qint64, double>> out;
    const QString java = QStandardPaths::findExecutable("java");
    if (java.isEmpty() || !QFile::exists("/usr/share/java/jlha.jar"))
        return out;
    QProcess p;
    p.start(java,
            QStringList{"-cp", "/usr/share/java/jlha.jar", benchDir() + "/StorageLzhJlha.java"} +
                files);
    if (!p.waitForFinished(600'000))
        return out;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 3)
            out[QString::fromLocal8Bit(f[0])] = {f[1].toLongLong(), f[2].toDouble()};
    }
    return out;
}

double mbps(qsizetype bytes, double seconds)
{
    return seconds > 0 ? double(bytes) / 1e6 / seconds : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    static std::vector<Item> items = corpus();
    QTemporaryDir dir;
    QStringList rawFiles;
    std::vector<Figures> figures(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item &item = items[i];
        const QByteArray packed = tw::CompressBytes(item.data);
        figures[i].packed = packed.size();
        const QString raw = dir.filePath(QString::fromStdString(item.name));
        const QString lzh = raw + ".lzh";
        writeFile(raw, item.data);
        // One member holding our stream without its length header.
        writeFile(lzh, tw::test::writeLhaArchive(
                           {{QStringLiteral("m"), "-lh5-", packed.mid(4), quint32(item.data.size()),
                             tw::test::crc16(item.data)}}));
        rawFiles << raw;
        const int runs = item.data.size() > 5'000'000 ? 3 : 10;
        figures[i].compress = bestOf(runs, [&] { tw::CompressBytes(item.data); });
        figures[i].decompress = bestOf(runs, [&] { tw::DecompressBytes(packed); });
        double sz = 1e30;
        double lh = 1e30;
        for (int r = 0; r < 3; ++r) {
            const double a = timeProcess("7zz", {"x", "-so", "-bd", lzh});
            const double b = timeProcess("lhasa", {"pq", lzh});
            sz = a < 0 ? -1 : std::min(sz, a);
            lh = b < 0 ? -1 : std::min(lh, b);
        }
        figures[i].sevenZip = sz;
        figures[i].lhasa = lh;
    }
    const auto jlha = runJlha(rawFiles);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto it = jlha.find(rawFiles[qsizetype(i)]);
        if (it != jlha.end()) {
            figures[i].jlhaPacked = it->second.first;
            figures[i].jlha = it->second.second;
        }
    }

    for (const Item &item : items) {
        benchmark::RegisterBenchmark(("Compress/" + item.name).c_str(), [&item](benchmark::State
                                                                                    &state) {
            qsizetype size = 0;
            for (auto _ : state)
                size = tw::CompressBytes(item.data).size();
            state.SetBytesProcessed(state.iterations() * item.data.size());
            state.counters["packed"] = double(size);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Decompress/" + item.name).c_str(), [&item](benchmark::State
                                                                                      &state) {
            const QByteArray packed = tw::CompressBytes(item.data);
            for (auto _ : state)
                benchmark::DoNotOptimize(tw::DecompressBytes(packed));
            state.SetBytesProcessed(state.iterations() * item.data.size());
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n%-12s %10s | %10s %10s | %8s %8s | %8s %8s %8s\n", "file", "size", "ours",
                "jlha", "comp", "jlha", "decomp", "7zz", "lhasa");
    std::printf("%-12s %10s | %10s %10s | %8s %8s | %8s %8s %8s\n", "", "bytes", "stream B",
                "stream B", "MB/s", "MB/s", "MB/s", "MB/s", "MB/s");
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Figures &f = figures[i];
        const qsizetype n = items[i].data.size();
        std::printf("%-12s %10lld | %10lld %10lld | %8.1f %8.1f | %8.1f %8.1f %8.1f\n",
                    items[i].name.c_str(), static_cast<long long>(n),
                    static_cast<long long>(f.packed - 4), static_cast<long long>(f.jlhaPacked),
                    mbps(n, f.compress), mbps(n, f.jlha), mbps(n, f.decompress),
                    mbps(n, f.sevenZip), mbps(n, f.lhasa));
    }
    std::printf(
        "(stream B: the -lh5- bit stream, without our 4-byte length header; -1 / 0.0: "
        "program missing or failed; CPU time: 7zz and lhasa whole process, jlha its encoding "
        "thread, ours in-process)\n");
    return 0;
}
