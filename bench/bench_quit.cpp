// How long closing the launcher takes while the largest interference run or
// an animation goes on: the program's own figure from the close to the end
// of its last window (quit_helper prints it), median of five quits.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace {

double quitMs(const QString &what, int delay) {
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/quit_helper"),
            {what, QString::number(delay)});
    if (!p.waitForFinished(60000)) {
        p.kill();
        return -1;
    }
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("quit after (\\d+) ms"))
                                          .match(QString::fromLatin1(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

void BM_Quit(benchmark::State &state, const char *what) {
    std::vector<double> all;
    for (auto _ : state) {
        const double ms = quitMs(QString::fromLatin1(what), 300 + int(all.size()) * 150);
        if (ms < 0) state.SkipWithError("the helper did not report");
        all.push_back(ms);
    }
    std::sort(all.begin(), all.end());
    state.counters["quit_ms_median"] = all.empty() ? 0 : all[all.size() / 2];
    state.counters["quit_ms_worst"] = all.empty() ? 0 : all.back();
}

} // namespace

BENCHMARK_CAPTURE(BM_Quit, interference, "interference")
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Quit, focal, "TForm6")->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Quit, huygens, "TForm15")->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Quit, fresnel, "TForm10")->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
