// Times the hostile inputs the reliability tests feed the program: a 10 MB
// settings file of random bytes, a 1 MB keyword, a 200,000-line statistics file.
// Prints the median of a few runs of each, in milliseconds.

#include "KeywordRecorder.h"
#include "KeywordTally.h"
#include "ListOrder.h"
#include "SearchState.h"
#include "Settings.h"
#include "StatisticsView.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace sorvanta;

namespace {

constexpr int kRuns = 5;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// `prepare` runs untimed before each timed run of `work`.
void report(const char* what, const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s %10.1f ms\n", what, ms[ms.size() / 2]);
}

}  // namespace

int main()
{
    QTemporaryDir dir;
    const ListOrder order(QLocale(QLocale::English, QLocale::UnitedStates));

    const QString ini = dir.filePath(QStringLiteral("Tamrin.ini"));
    QByteArray garbage(10 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(20070301);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    TabSettings tabs;
    tabs.tabs = {{QStringLiteral("Web"), QStringLiteral("http://127.0.0.1/?q=TEST")}};
    const auto freshGarbage = [&] { writeFile(ini, garbage); };
    report("load a 10 MB settings file of random bytes", freshGarbage, [&] { loadSettings(ini); });
    report("save into a 10 MB settings file of random bytes", freshGarbage, [&] { saveSettings(ini, tabs); });

    const QString log = dir.filePath(QStringLiteral("keywords.txt"));
    const QString stats = dir.filePath(QStringLiteral("most_searched.txt"));
    QString keyword;
    for (int i = 0; keyword.size() < 1024 * 1024; ++i)
        keyword += QStringLiteral("word%1 ").arg(i);
    const KeywordRecorder recorder(log, stats, order);
    report("search a 1 MB keyword in a new month", [&] { QFile::remove(log); }, [&] { recorder.record(keyword); });

    QByteArray lines;
    constexpr int kLines = 200000;
    for (int line = 0; line < kLines; ++line)
        lines += countField(line / 100 + 1) + "|keyword " + QByteArray::number(kLines - line) + "\r\n";
    writeFile(stats, lines);
    SearchState state;
    state.MostSearchedFile = stats;
    StatisticsView view(state, order);
    view.cycle();
    report("refresh a 200,000-line statistics file, most searched", [] {}, [&] { view.refresh(); });
    view.cycle();
    view.cycle();
    view.cycle();
    report("refresh a 200,000-line statistics file, alphabetical", [] {}, [&] { view.refresh(); });
    return 0;
}
