// A copy of the program killed at any moment while it saves the settings and
// rewrites the statistics leaves each file as one whole version, never torn.
// The test binary, started with --crash-writer <dir>, is that copy: it cycles
// through a fixed set of versions without pause until it is killed.

#include "FileTools.h"
#include "KeywordTally.h"
#include "ListOrder.h"
#include "Settings.h"
#include "StatisticsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

constexpr int kVersions = 7;
const auto kWriterFlag = QStringLiteral("--crash-writer");

QString settingsPath(const QString& dir)
{
    return dir + QStringLiteral("/Tamrin.ini");
}

QString statisticsPath(const QString& dir)
{
    return dir + QStringLiteral("/most_searched_March_2007.txt");
}

// Every version has as many tabs, so a save rewrites the same keys and the
// file's bytes depend on the version alone.
TabSettings settingsVersion(int version)
{
    TabSettings settings;
    settings.tabsBottom = version % 2 == 1;
    for (int tab = 1; tab <= 12; ++tab) {
        settings.tabs.append({QStringLiteral("Engine %1 of version %2").arg(tab).arg(version),
                              QStringLiteral("http://127.0.0.1:%1/search?v=%2&q=TEST").arg(8000 + tab).arg(version)
                                  + QString(version * 40, u'x')});
    }
    return settings;
}

// Large enough that a kill often lands inside the write.
QByteArray statisticsVersion(int version)
{
    QByteArray contents;
    for (int line = 0; line < 3000 + version * 500; ++line)
        contents += countField(line / 10 + 1) + "|keyword " + QByteArray::number(line) + " v" + QByteArray::number(version) + "\r\n";
    return contents;
}

int runWriter(const QString& dir)
{
    QList<QByteArray> statistics;
    for (int version = 0; version < kVersions; ++version)
        statistics.append(statisticsVersion(version));
    const StatisticsFile file(statisticsPath(dir));
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        const int version = round % kVersions;
        saveSettings(settingsPath(dir), settingsVersion(version));
        file.write(statistics[version]);
    }
}

}  // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLeavesWholeFiles();
};

void CrashSafetyTest::killedWriterLeavesWholeFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // The bytes of each version, saved over a file that holds another version.
    QList<QByteArray> settingsBytes;
    QList<QByteArray> statisticsBytes;
    const QString scratch = dir.filePath(QStringLiteral("scratch.ini"));
    saveSettings(scratch, settingsVersion(kVersions - 1));
    for (int version = 0; version < kVersions; ++version) {
        saveSettings(scratch, settingsVersion(version));
        settingsBytes.append(readBytes(scratch));
        statisticsBytes.append(statisticsVersion(version));
    }
    QFile::remove(scratch);
    saveSettings(settingsPath(dir.path()), settingsVersion(0));
    StatisticsFile(statisticsPath(dir.path())).write(statisticsBytes[0]);

    auto* random = QRandomGenerator::global();
    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {kWriterFlag, dir.path()});
        QVERIFY2(writer.waitForReadyRead(30000), qPrintable(writer.errorString()));
        QThread::usleep(random->bounded(20000));
        writer.kill();  // SIGKILL
        QVERIFY(writer.waitForFinished(30000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        const QByteArray settings = readBytes(settingsPath(dir.path()));
        const qsizetype settingsVersionFound = settingsBytes.indexOf(settings);
        QVERIFY2(settingsVersionFound >= 0, qPrintable(QStringLiteral("settings torn after kill %1").arg(kill)));
        const TabSettings loaded = loadSettings(settingsPath(dir.path()));
        QCOMPARE(loaded.tabs, settingsVersion(int(settingsVersionFound)).tabs);
        QCOMPARE(loaded.tabsBottom, settingsVersion(int(settingsVersionFound)).tabsBottom);
        QVERIFY2(statisticsBytes.contains(readBytes(statisticsPath(dir.path()))),
                 qPrintable(QStringLiteral("statistics torn after kill %1").arg(kill)));
    }
    // Temporary files of interrupted saves, if the file system keeps them.
    qInfo("files left in the directory: %s",
          qPrintable(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(u' ')));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == kWriterFlag)
        return runWriter(QString::fromLocal8Bit(argv[2]));
    CrashSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CrashSafetyTest.moc"
