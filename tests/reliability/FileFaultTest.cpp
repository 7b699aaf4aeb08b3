// Each file step of a search, of the list refresh and of the settings save,
// failing the ways a disk fails for root too: the file is a directory, a link
// to a full device, in a directory that vanished, on a disk that fills up, or
// unreadable. Each time the error names the file and the reason, what was on
// disk before survives whole, and the next search or save works again.

#include "AppError.h"
#include "FileTools.h"
#include "KeywordRecorder.h"
#include "KeywordTally.h"
#include "ListOrder.h"
#include "ReadOpenFault.h"
#include "SearchState.h"
#include "Settings.h"
#include "StatisticsView.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace sorvanta;
using namespace sorvanta::test;

namespace {

enum class Fault {
    PathIsDirectory,
    LinkToFullDevice,
    DirectoryVanished,
    DiskFullAtStart,     // not one more byte fits
    DiskFullMidWrite,    // the disk fills up inside the write
    ReadFails,           // the file is there but cannot be opened for reading
};

enum class Target { Log, Statistics, Settings };

}  // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Target)

class FileFaultTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void searchSurvivesFault_data();
    void searchSurvivesFault();
    void listRefreshSurvivesFault_data();
    void listRefreshSurvivesFault();
    void settingsSaveSurvivesFault_data();
    void settingsSaveSurvivesFault();

private:
    // Each file in a directory of its own, so one can vanish alone.
    QString pathOf(Target target) const;

    // Puts the fault in place; the returned guard holds those that live in the
    // process (a size limit, a failing open). `growth` is how many bytes the
    // log may still gain before the disk counts as full.
    std::shared_ptr<void> inject(Fault fault, Target target, qint64 growth);
    void removeFault(Fault fault, Target target);

    void checkMessage(const AppError& error, const QString& path, const QString& reason);

    std::unique_ptr<QTemporaryDir> dir_;
    ListOrder order_{QLocale(QLocale::English, QLocale::UnitedStates)};
};

QString FileFaultTest::pathOf(Target target) const
{
    switch (target) {
    case Target::Log:
        return dir_->filePath(QStringLiteral("log/keywords_March_2007.txt"));
    case Target::Statistics:
        return dir_->filePath(QStringLiteral("stats/most_searched_March_2007.txt"));
    case Target::Settings:
        return dir_->filePath(QStringLiteral("settings/Tamrin.ini"));
    }
    return {};
}

void FileFaultTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    for (const Target target : {Target::Log, Target::Statistics, Target::Settings})
        QVERIFY(QDir().mkpath(QFileInfo(pathOf(target)).path()));
}

std::shared_ptr<void> FileFaultTest::inject(Fault fault, Target target, qint64 growth)
{
    const QString path = pathOf(target);
    const qint64 size = QFileInfo(path).size();
    switch (fault) {
    case Fault::PathIsDirectory:
        QFile::remove(path);
        QDir().mkpath(path);
        return {};
    case Fault::LinkToFullDevice:
        QFile::remove(path);
        QFile::link(QStringLiteral("/dev/full"), path);
        return {};
    case Fault::DirectoryVanished:
        QDir(QFileInfo(path).path()).removeRecursively();
        return {};
    case Fault::DiskFullAtStart:
        return std::make_shared<FileSizeLimit>(target == Target::Log ? size : growth);
    case Fault::DiskFullMidWrite:
        return std::make_shared<FileSizeLimit>(target == Target::Log ? size + 3 : growth);
    case Fault::ReadFails:
        return std::make_shared<ReadOpenFault>(path);
    }
    return {};
}

void FileFaultTest::removeFault(Fault fault, Target target)
{
    const QString path = pathOf(target);
    switch (fault) {
    case Fault::PathIsDirectory:
        QVERIFY(QDir(path).removeRecursively());
        break;
    case Fault::LinkToFullDevice:
        QVERIFY(QFile::remove(path));
        break;
    case Fault::DirectoryVanished:
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        break;
    default:
        break;  // the guard ended the fault
    }
}

void FileFaultTest::checkMessage(const AppError& error, const QString& path, const QString& reason)
{
    const QString message = error.message();
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
}

void FileFaultTest::searchSurvivesFault_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("log is a directory") << Target::Log << Fault::PathIsDirectory << "directory";
    QTest::newRow("log links to a full device")
        << Target::Log << Fault::LinkToFullDevice << "No space left on device";
    QTest::newRow("log's directory vanished")
        << Target::Log << Fault::DirectoryVanished << "No such file or directory";
    QTest::newRow("disk full before the log line") << Target::Log << Fault::DiskFullAtStart << "File too large";
    QTest::newRow("disk full inside the log line") << Target::Log << Fault::DiskFullMidWrite << "File too large";
    QTest::newRow("log cannot be read back") << Target::Log << Fault::ReadFails << "Input/output error";
    QTest::newRow("statistics path is a directory") << Target::Statistics << Fault::PathIsDirectory << "directory";
    QTest::newRow("statistics' directory vanished")
        << Target::Statistics << Fault::DirectoryVanished << "No such file or directory";
    QTest::newRow("disk full while writing statistics")
        << Target::Statistics << Fault::DiskFullMidWrite << "File too large";
}

void FileFaultTest::searchSurvivesFault()
{
    QFETCH(Target, target);
    QFETCH(Fault, fault);
    QFETCH(QString, reason);

    const QString logPath = pathOf(Target::Log);
    const QString statsPath = pathOf(Target::Statistics);
    const KeywordRecorder recorder(logPath, statsPath, order_);
    // Distinct keywords make the statistics file larger than the log, so a disk
    // that still takes the log line fills up inside the statistics.
    for (int i = 0; i < 40; ++i)
        recorder.record(QStringLiteral("kw-%1").arg(i));
    recorder.record(QStringLiteral("kw-7"));
    const QByteArray logBefore = readBytes(logPath);
    const QByteArray statsBefore = readBytes(statsPath);
    const QByteArray line = "faulted\r\n";

    {
        const auto guard = inject(fault, target, logBefore.size() + line.size());
        try {
            recorder.record(QStringLiteral("faulted"));
            QFAIL("the search did not report the fault");
        } catch (const AppError& error) {
            checkMessage(error, target == Target::Log ? logPath : statsPath, reason);
        }
    }

    // The log keeps every earlier line and gains no partial one; the statistics
    // file stays as it was.
    const bool logFailed = target == Target::Log && fault != Fault::ReadFails;
    const bool logSurvives = target != Target::Log || fault == Fault::DiskFullAtStart
        || fault == Fault::DiskFullMidWrite || fault == Fault::ReadFails;
    if (logSurvives)
        QCOMPARE(readBytes(logPath), logFailed ? logBefore : logBefore + line);
    if (target == Target::Log || fault == Fault::DiskFullMidWrite)
        QCOMPARE(readBytes(statsPath), statsBefore);

    removeFault(fault, target);
    recorder.record(QStringLiteral("after"));
    const QByteArray log = readBytes(logPath);
    QVERIFY(log.endsWith("\r\nafter\r\n") || log == "after\r\n");
    if (logSurvives)
        QVERIFY(log.startsWith(logBefore));
    QCOMPARE(readBytes(statsPath), statisticsFileContents(tallyLog(log, order_)));
}

void FileFaultTest::listRefreshSurvivesFault_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("statistics path is a directory") << Fault::PathIsDirectory << "directory";
    QTest::newRow("statistics cannot be opened") << Fault::ReadFails << "Input/output error";
}

void FileFaultTest::listRefreshSurvivesFault()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);

    const QString statsPath = pathOf(Target::Statistics);
    const QByteArray statsBefore = "001|zebra\r\n002|linux\r\n003|apple\r\n";
    writeBytes(statsPath, statsBefore);
    SearchState state;
    state.MostSearchedFile = statsPath;
    state.ViewMode = 3;
    StatisticsView view(state, order_);
    view.cycle();  // to the alphabetical view
    QVERIFY(view.refresh().has_value());
    QCOMPARE(state.StatsCount, 3);

    {
        const auto guard = inject(fault, Target::Statistics, 0);
        try {
            view.refresh();
            QFAIL("the refresh did not report the fault");
        } catch (const AppError& error) {
            checkMessage(error, statsPath, reason);
        }
        QCOMPARE(state.StatsCount, 3);
    }
    if (fault == Fault::ReadFails)
        QCOMPARE(readBytes(statsPath), statsBefore);

    removeFault(fault, Target::Statistics);
    writeBytes(statsPath, statsBefore);
    const auto shown = view.refresh();
    QVERIFY(shown.has_value());
    QCOMPARE(shown->entries, QStringList({"apple", "linux", "zebra"}));
}

void FileFaultTest::settingsSaveSurvivesFault_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("settings path is a directory") << Fault::PathIsDirectory << "directory";
    QTest::newRow("settings' directory vanished") << Fault::DirectoryVanished << "No such file or directory";
    QTest::newRow("disk full while saving") << Fault::DiskFullMidWrite << "File too large";
    QTest::newRow("settings cannot be read first") << Fault::ReadFails << "Input/output error";
}

void FileFaultTest::settingsSaveSurvivesFault()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);

    const QString path = pathOf(Target::Settings);
    TabSettings before;
    before.tabs = {{"Web", "http://127.0.0.1/search?q=TEST"}, {"Images", "http://127.0.0.1/img?q=TEST"}};
    saveSettings(path, before);
    const QByteArray bytesBefore = readBytes(path);

    TabSettings after;
    after.tabsBottom = true;
    for (int i = 1; i <= 8; ++i)
        after.tabs.append({QStringLiteral("Engine %1").arg(i), QStringLiteral("http://127.0.0.1/%1?q=TEST").arg(i)});

    {
        const auto guard = inject(fault, Target::Settings, 64);
        try {
            saveSettings(path, after);
            QFAIL("the save did not report the fault");
        } catch (const AppError& error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Unable to write to ")), qPrintable(error.message()));
            checkMessage(error, path, reason);
        }
    }
    if (fault == Fault::DiskFullMidWrite || fault == Fault::ReadFails) {
        QCOMPARE(readBytes(path), bytesBefore);
        QCOMPARE(loadSettings(path).tabs, before.tabs);
    }

    removeFault(fault, Target::Settings);
    saveSettings(path, after);
    TabSettings loaded = loadSettings(path);
    QCOMPARE(loaded.tabs, after.tabs);
    QCOMPARE(loaded.tabsBottom, true);
}

QTEST_GUILESS_MAIN(FileFaultTest)
#include "FileFaultTest.moc"
