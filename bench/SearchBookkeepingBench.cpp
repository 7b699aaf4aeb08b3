// Times the bookkeeping of one search (append to the month's log, tally it,
// write the statistics file, compute the list of a view) against
// `LC_ALL=C sort -f | uniq -ci` on the same log.

#include "BenchLog.h"

#include "KeywordLog.h"
#include "KeywordRecorder.h"
#include "KeywordTally.h"
#include "ListOrder.h"
#include "SearchState.h"
#include "StatisticsFile.h"
#include "StatisticsView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace sorvanta;

namespace {

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Runs `step` until a second has passed (at least 5, at most 200 times).
double timeMs(const std::function<void()>& step)
{
    std::vector<double> samples;
    QElapsedTimer total;
    total.start();
    while (samples.size() < 5 || (total.elapsed() < 1000 && samples.size() < 200)) {
        QElapsedTimer timer;
        timer.start();
        step();
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return medianMs(samples);
}

// Written through to the disk, so no search pays for flushing it.
void writeFile(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.commit())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray("unknown");
}

double referenceMs(const QString& logPath)
{
    return timeMs([&logPath] {
        QProcess sort;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        sort.setProcessEnvironment(environment);
        sort.start(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"), QStringLiteral("sort -f \"$0\" | uniq -ci > /dev/null"), logPath});
        if (!sort.waitForFinished(-1) || sort.exitCode() != 0)
            qFatal("the reference pipeline failed");
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const ListOrder order(QLocale(QLocale::English, QLocale::UnitedStates));

    std::printf("ms per search: append, tally, write statistics and compute the view's list\n\n");
    std::printf("%9s %9s | %8s %8s %8s %8s | %9s %6s | %7s %7s %7s %7s\n", "lines", "distinct", "view 1",
                "view 2", "view 3", "view 4", "reference", "ratio", "append", "tally", "write", "list 4");
    for (const qsizetype lines : {1'000, 10'000, 100'000, 1'000'000}) {
        const bench::BenchLog log = bench::makeBenchLog(lines, 20070301);
        const QString logPath = dir.filePath(QStringLiteral("keywords_%1.txt").arg(lines));
        const QString statsPath = dir.filePath(QStringLiteral("most_searched_%1.txt").arg(lines));
        writeFile(logPath, log.contents);

        const KeywordRecorder recorder(logPath, statsPath, order);
        SearchState state;
        state.MostSearchedFile = statsPath;
        StatisticsView view(state, order);
        qsizetype searches = 0;
        const auto search = [&] { recorder.record(log.keywords[searches++ % log.keywords.size()]); };

        double perView[4];
        for (int v = 1; v <= 4; ++v) {
            state.ViewMode = v - 1;
            view.cycle();
            perView[v - 1] = timeMs([&] {
                search();
                if (!view.refresh())
                    qFatal("no statistics file");
            });
        }
        const double slowest = *std::max_element(perView, perView + 4);

        // Where the time of a search goes.
        const KeywordLog keywordLog(logPath);
        const StatisticsFile statistics(statsPath);
        const double appendMs = timeMs([&] { keywordLog.append(log.keywords[searches++ % log.keywords.size()]); });
        const QByteArray contents = keywordLog.readAll();
        const double tallyMs = timeMs([&] { tallyLog(contents, order); });
        const QByteArray statisticsBytes = statisticsFileContents(tallyLog(contents, order));
        const double writeMs = timeMs([&] { statistics.write(statisticsBytes); });
        const double listMs = timeMs([&] { view.refresh(); });

        writeFile(logPath, log.contents);
        const double reference = referenceMs(logPath);
        std::printf("%9lld %9lld | %8.2f %8.2f %8.2f %8.2f | %9.2f %5.1fx | %7.3f %7.2f %7.2f %7.2f\n",
                    qlonglong(lines), qlonglong(log.keywords.size()), perView[0], perView[1], perView[2],
                    perView[3], reference, reference / slowest, appendMs, tallyMs, writeMs, listMs);
        std::fflush(stdout);
    }
    std::printf("\nratio: reference time / slowest view's time per search; load average %s\n",
                loadAverage().constData());
    return 0;
}
