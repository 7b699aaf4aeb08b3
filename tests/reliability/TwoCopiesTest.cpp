// Two copies of the program searching at once on the same month's files lose
// no search and never see an error. The test binary, started with
// --searcher <log> <statistics> <name>, is one such copy making 500 searches.

#include "AppError.h"
#include "FileTools.h"
#include "KeywordRecorder.h"
#include "KeywordTally.h"
#include "ListOrder.h"
#include "TextLines.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

constexpr int kSearches = 500;
const auto kSearcherFlag = QStringLiteral("--searcher");

QLocale testLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// Some keywords repeat, within a copy and across both, so counts reach past one.
QString keywordOf(const QString& copy, int search)
{
    return search % 3 == 0 ? QStringLiteral("shared %1").arg(search % 30)
                           : QStringLiteral("%1 search %2").arg(copy).arg(search);
}

int runSearcher(const QString& logPath, const QString& statisticsPath, const QString& copy)
{
    const ListOrder order(testLocale());
    const KeywordRecorder recorder(logPath, statisticsPath, order);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    char go = 0;
    if (std::fread(&go, 1, 1, stdin) != 1)
        return 2;
    for (int search = 0; search < kSearches; ++search) {
        try {
            recorder.record(keywordOf(copy, search));
        } catch (const AppError& error) {
            std::fprintf(stderr, "search %d: %s\n", search, qPrintable(error.message()));
            return 1;
        }
    }
    return 0;
}

}  // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT

private slots:
    void simultaneousSearchesLoseNothing();
};

void TwoCopiesTest::simultaneousSearchesLoseNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString logPath = dir.filePath(QStringLiteral("keywords_March_2007.txt"));
    const QString statisticsPath = dir.filePath(QStringLiteral("most_searched_March_2007.txt"));
    const QStringList copies = {QStringLiteral("first"), QStringLiteral("second")};

    QList<QProcess*> processes;
    for (const QString& copy : copies) {
        auto* process = new QProcess(this);
        process->start(QCoreApplication::applicationFilePath(), {kSearcherFlag, logPath, statisticsPath, copy});
        QVERIFY2(process->waitForReadyRead(30000), qPrintable(process->errorString()));
        processes.append(process);
    }
    for (QProcess* process : processes)  // both start searching together
        process->write("g");
    for (QProcess* process : processes)
        QVERIFY(process->waitForBytesWritten(30000));
    for (QProcess* process : processes) {
        QVERIFY(process->waitForFinished(-1));
        const QByteArray errors = process->readAllStandardError();
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0, errors.constData());
        QVERIFY2(errors.isEmpty(), errors.constData());
        delete process;
    }

    // Every search of both copies stands on a line of its own, whole.
    const QByteArray log = readBytes(logPath);
    QVERIFY(log.endsWith("\r\n"));
    QCOMPARE(log.count("\r\n"), 2 * kSearches);
    QMap<QByteArray, int> expected;
    for (const QString& copy : copies) {
        for (int search = 0; search < kSearches; ++search)
            ++expected[keywordOf(copy, search).toUtf8()];
    }
    QMap<QByteArray, int> found;
    for (const QByteArrayView line : splitLines(log))
        ++found[line.toByteArray()];
    QCOMPARE(found, expected);

    // A later search counts the whole log, the other copy's searches included.
    const ListOrder order(testLocale());
    KeywordRecorder(logPath, statisticsPath, order).record(QStringLiteral("one more"));
    const QByteArray finalLog = readBytes(logPath);
    QCOMPARE(finalLog, log + "one more\r\n");
    QCOMPARE(readBytes(statisticsPath), statisticsFileContents(tallyLog(finalLog, order)));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && QString::fromLocal8Bit(argv[1]) == kSearcherFlag) {
        return runSearcher(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                           QString::fromLocal8Bit(argv[4]));
    }
    TwoCopiesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TwoCopiesTest.moc"
