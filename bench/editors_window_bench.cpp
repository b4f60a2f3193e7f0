// Opening a 10 MB AutoLISP file in the editor window and colouring it to the
// last line, beside the same file in a plain QScintilla editor coloured by
// Scintilla's own Lisp lexer. Both timings stop when the whole document is
// styled (SCI_GETENDSTYLED equals the length). Goal: the window within 1.5
// times the built-in lexer's time.

#include "editors/EditForm.h"
#include "highlight/AutoLispSyn.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>

namespace
{

using S = QsciScintillaBase;
using Clock = std::chrono::steady_clock;

QTemporaryDir *Folder = nullptr;

QString SourceFile()
{
    static const QString path = [] {
        const QString file = Folder->filePath("big.lsp");
        QByteArray text;
        for (int i = 0; text.size() < 10 * 1024 * 1024; ++i) {
            text += "(defun c:cmd" + QByteArray::number(i) + " (/ a b lst) ; command " +
                    QByteArray::number(i) + "\r\n";
            text +=
                "  (setq a (+ " + QByteArray::number(i) + " 1.5e3) b \"text \"\"q\"\" ;x\")\r\n";
            text += "  (foreach x lst (princ (strcat (itoa x) \",\")))\r\n";
            text += "  (vl-list->string '(65 66)) (vlax-get-acad-object)\r\n)\r\n";
        }
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(text);
        return file;
    }();
    return path;
}

// Processor time of this thread, which other processes on a busy machine do
// not inflate the way they inflate the wall-clock time.
double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

bool FullyStyled(QsciScintilla &sci)
{
    return sci.SendScintilla(S::SCI_GETENDSTYLED) == sci.SendScintilla(S::SCI_GETLENGTH);
}

// Argument 0 times opening and colouring, 1 the colouring alone.
void BM_EditorWindow(benchmark::State &state)
{
    const QString path = SourceFile();
    const bool colourOnly = state.range(0) == 1;
    double cpuSeconds = 0;
    for (auto _ : state) {
        tw::TEditForm form;
        form.SetIsLispEditor(true);
        auto start = Clock::now();
        double cpuStart = ThreadCpuSeconds();
        if (!form.OpenFile(path))
            state.SkipWithError("file not read");
        if (colourOnly) {
            start = Clock::now();
            cpuStart = ThreadCpuSeconds();
        }
        form.Editor->SendScintilla(S::SCI_COLOURISE, 0, -1);
        const auto end = Clock::now();
        cpuSeconds += ThreadCpuSeconds() - cpuStart;
        if (!FullyStyled(*form.Editor))
            state.SkipWithError("not styled to the end");
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
    state.counters["cpu_ms"] = 1000 * cpuSeconds / static_cast<double>(state.iterations());
}

void BM_PlainScintillaLispLexer(benchmark::State &state)
{
    const QString path = SourceFile();
    const bool colourOnly = state.range(0) == 1;
    double cpuSeconds = 0;
    QByteArray keywords;
    for (std::string_view word : tw::AutoLispWordList())
        keywords += QByteArray(word.data(), static_cast<qsizetype>(word.size())).trimmed() + ' ';
    for (auto _ : state) {
        QsciScintilla sci;
        sci.setUtf8(true);
        sci.SendScintilla(S::SCI_SETLEXER, S::SCLEX_LISP);
        sci.SendScintilla(S::SCI_SETKEYWORDS, static_cast<uintptr_t>(0), keywords.constData());
        auto start = Clock::now();
        double cpuStart = ThreadCpuSeconds();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("file not read");
        const QByteArray bytes = file.readAll();
        sci.SendScintilla(S::SCI_SETTEXT, static_cast<uintptr_t>(0), bytes.constData());
        if (colourOnly) {
            start = Clock::now();
            cpuStart = ThreadCpuSeconds();
        }
        sci.SendScintilla(S::SCI_COLOURISE, 0, -1);
        const auto end = Clock::now();
        cpuSeconds += ThreadCpuSeconds() - cpuStart;
        if (!FullyStyled(sci))
            state.SkipWithError("not styled to the end");
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
    state.counters["cpu_ms"] = 1000 * cpuSeconds / static_cast<double>(state.iterations());
}

BENCHMARK(BM_EditorWindow)
    ->ArgName("colour_only")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(BM_PlainScintillaLispLexer)
    ->ArgName("colour_only")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    Folder = &folder;
    // The window reads and writes its font settings; keep them out of the
    // user's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
