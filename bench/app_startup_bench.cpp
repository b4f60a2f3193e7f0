// Start-up time and memory of Tilewright next to a bare Qt program that shows
// an empty multiple-document window (app_startup_bare), measured in the same
// run.
//
// Each round starts three child processes. Two are this executable in a
// probe mode that starts the program as main() does: one lets the start-up
// about box paint, reports that first paint, then closes the box as the
// user's OK would and reports the main window's first paint; the other closes
// the about box through the modal-dialog seam before it shows, as the test
// suite does, and reports the main window's first paint. The third is the bare
// program, which reports the first paint of its window. Times run from just
// before the child is spawned (so they include loading the libraries); peak
// memory is the child's resident high-water mark. The goal is within 2 times
// the bare program on X11.
//
//   app_startup_bench [ROUNDS]     (default 15; medians are printed)

#include "FirstPaint.h"
#include "app/AppStyle.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace
{

const char *const kAboutShown = "--probe=about-shown";
const char *const kAboutClosedBySeam = "--probe=about-closed-by-seam";

// The real main window. With `aboutShown` the about box is shown until it has
// painted, then closed as the user's OK would; without, the seam closes it
// before it shows.
class ProbedMain : public tw::TfrmTilewrightMain
{
public:
    explicit ProbedMain(bool aboutShown) : m_aboutShown(aboutShown) {}

    long long aboutPainted = 0;

    int ExecModal(QDialog &dialog) override
    {
        if (m_aboutShown) {
            QEventLoop loop;
            const TFirstPaint paint(
                &dialog, [&loop](long long) { QTimer::singleShot(0, &loop, &QEventLoop::quit); });
            dialog.show();
            loop.exec();
            aboutPainted = paint.at();
        }
        dialog.accept();
        return QDialog::Accepted;
    }

private:
    bool m_aboutShown;
};

// Prints when the about box first painted (0 if it never showed) and when the
// main window did.
int probeTilewright(int argc, char **argv, bool aboutShown)
{
    QApplication app(argc, argv);
    tw::setUpApplication();
    tw::SingleInstance instance(QStringLiteral("tilewright-startup-bench"));
    if (!instance.claim())
        return 2;
    ProbedMain window(aboutShown);
    const TFirstPaint ready(&window,
                            [](long long) { QTimer::singleShot(0, qApp, &QApplication::quit); });
    window.FormCreate({});
    QApplication::exec();
    std::printf("%lld %lld\n", window.aboutPainted, ready.at());
    return 0;
}

struct Sample {
    double firstMs = 0;
    double readyMs = 0;
    double peakMb = 0;
};

// Runs `program` with `argument` and reads the two times it prints.
bool runProbe(const std::string &program, const char *argument, Sample &sample)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *args[] = {const_cast<char *>(program.c_str()), const_cast<char *>(argument), nullptr};
    const long long start = monotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long long first = 0;
    long long ready = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(text.c_str(), "%lld %lld", &first, &ready) != 2)
        return false;
    sample.firstMs = double(first - start) / 1e6;
    sample.readyMs = double(ready - start) / 1e6;
    sample.peakMb = double(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], kAboutShown) == 0)
        return probeTilewright(argc, argv, true);
    if (argc > 1 && std::strcmp(argv[1], kAboutClosedBySeam) == 0)
        return probeTilewright(argc, argv, false);

    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string self = argv[0];
    const std::string bare = self.substr(0, self.find_last_of('/') + 1) + "app_startup_bare";
    enum { AboutShown, AboutClosedBySeam, Bare, ProbeCount };
    const std::pair<std::string, const char *> probes[ProbeCount] = {
        {self, kAboutShown}, {self, kAboutClosedBySeam}, {bare, ""}};
    std::vector<double> first[ProbeCount], ready[ProbeCount], peak[ProbeCount];
    for (int round = 0; round < rounds; ++round)
        for (int m = 0; m < ProbeCount; ++m) {
            Sample sample;
            if (!runProbe(probes[m].first, probes[m].second, sample)) {
                std::fprintf(stderr, "%s %s failed\n", probes[m].first.c_str(), probes[m].second);
                return 1;
            }
            first[m].push_back(sample.firstMs);
            ready[m].push_back(sample.readyMs);
            peak[m].push_back(sample.peakMb);
        }
    std::printf("platform %s, %d rounds, medians\n", qgetenv("QT_QPA_PLATFORM").constData(),
                rounds);
    std::printf("%-52s %12s %12s %8s\n", "", "Tilewright", "bare Qt", "ratio");
    const auto row = [](const char *what, const std::vector<double> &ours,
                        const std::vector<double> &bareFigures, const char *unit) {
        const double a = median(ours);
        const double b = median(bareFigures);
        std::printf("%-52s %9.1f %-2s %9.1f %-2s %8.2f\n", what, a, unit, b, unit, a / b);
    };
    row("about box first paint", first[AboutShown], first[Bare], "ms");
    row("main window, about box closed by the seam", ready[AboutClosedBySeam], ready[Bare], "ms");
    row("main window, after the about box painted", ready[AboutShown], ready[Bare], "ms");
    row("peak resident memory, about box shown", peak[AboutShown], peak[Bare], "MB");
    row("peak resident memory, about box closed by the seam", peak[AboutClosedBySeam], peak[Bare],
        "MB");
    return 0;
}
