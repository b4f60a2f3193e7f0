// Tokens per second of both highlighters over about 10 MB of generated source,
// scanned line by line the way the editor paints.

#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <vector>

namespace
{

constexpr std::size_t targetBytes = 10 * 1024 * 1024;

// Small fixed-seed generator so every run scans the same text.
class Random
{
public:
    std::uint32_t Next(std::uint32_t bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33) % bound;
    }

private:
    std::uint64_t m_state = 42;
};

std::string Stripped(std::string_view entry)
{
    while (!entry.empty() && entry.back() == ' ')
        entry.remove_suffix(1);
    return std::string(entry);
}

std::vector<std::string> LispSource()
{
    Random rnd;
    const auto words = tw::AutoLispWordList();
    const char *names[] = {"dcl_id", "pt1", "result", "lst", "idx", "tile-key", "old_echo"};
    std::vector<std::string> lines;
    std::size_t bytes = 0;
    while (bytes < targetBytes) {
        std::string line(2 * rnd.Next(5), ' ');
        switch (rnd.Next(6)) {
        case 0:
            line += ";; " + Stripped(words[rnd.Next(words.size())]) + " sets the values";
            break;
        case 1:
            line += "(defun c:Cmd" + std::to_string(rnd.Next(1000)) + " (/ " + names[rnd.Next(7)] +
                    " " + names[rnd.Next(7)] + ")";
            break;
        case 2:
            line += "(setq " + std::string(names[rnd.Next(7)]) + " (" +
                    Stripped(words[rnd.Next(words.size())]) + " " +
                    std::to_string(rnd.Next(100000)) + ".5e2 \"text \"\"" +
                    std::to_string(rnd.Next(100)) + "\"\"\"))";
            break;
        case 3:
            line += "(if (and (>= " + std::string(names[rnd.Next(7)]) + " 0) (/= x -1)) (" +
                    Stripped(words[rnd.Next(words.size())]) + " '(1 . 2)))";
            break;
        case 4:
            line += "(action_tile \"accept\" \"(done_dialog 1)\") ; close \xc3\xa9t\xc3\xa9";
            break;
        default:
            line += "(foreach item lst (princ (strcat \"item: \" (itoa item))))";
            break;
        }
        bytes += line.size() + 2;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> DclSource()
{
    Random rnd;
    const auto words = tw::DCLWordList();
    std::vector<std::string> lines;
    std::size_t bytes = 0;
    while (bytes < targetBytes) {
        std::string line(4 * rnd.Next(4), ' ');
        switch (rnd.Next(5)) {
        case 0:
            line += "// " + Stripped(words[rnd.Next(words.size())]) + " block";
            break;
        case 1:
            line += "tile" + std::to_string(rnd.Next(1000)) + " : " +
                    Stripped(words[rnd.Next(28)]) + " {";
            break;
        case 2:
            line += Stripped(words[31 + rnd.Next(35)]) + " = \"value \"\"" +
                    std::to_string(rnd.Next(100)) + "\"\"\";";
            break;
        case 3:
            line += "width = " + std::to_string(rnd.Next(100)) +
                    "; height = " + std::to_string(rnd.Next(30)) + "; is_enabled = true;";
            break;
        default:
            line += ": spacer_1 { label = \"Gr\xc3\xb6\xc3\x9f"
                    "e\"; } /* text */";
            break;
        }
        bytes += line.size() + 2;
        lines.push_back(std::move(line));
    }
    return lines;
}

void ScanAll(benchmark::State &state, tw::TSynCustomHighlighter &syn,
             const std::vector<std::string> &lines)
{
    std::int64_t bytes = 0;
    for (const auto &line : lines)
        bytes += static_cast<std::int64_t>(line.size());
    std::int64_t tokens = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            syn.BeginLine(lines[i], static_cast<int>(i));
            while (!syn.AtLineEnd()) {
                benchmark::DoNotOptimize(syn.TokenKindCode());
                ++tokens;
                syn.NextToken();
            }
        }
    }
    state.SetBytesProcessed(bytes * state.iterations());
    state.counters["tokens"] =
        benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kIsRate);
}

void BM_AutoLispSyn(benchmark::State &state)
{
    static const auto lines = LispSource();
    tw::TAutoLispSyn syn;
    ScanAll(state, syn, lines);
}

void BM_DCLSyn(benchmark::State &state)
{
    static const auto lines = DclSource();
    tw::TDCLSyn syn;
    ScanAll(state, syn, lines);
}

BENCHMARK(BM_AutoLispSyn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DCLSyn)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
