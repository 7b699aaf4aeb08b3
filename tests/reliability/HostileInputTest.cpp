// Inputs far outside normal use: garbage or huge settings files, a keyword of a
// megabyte, a statistics file of 200,000 lines, and texts made of the very
// characters the file formats use. Each loads or searches correctly.

#include "FileTools.h"
#include "KeywordLog.h"
#include "KeywordRecorder.h"
#include "KeywordTally.h"
#include "ListOrder.h"
#include "SearchState.h"
#include "Settings.h"
#include "StatisticsView.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace sorvanta;
using namespace sorvanta::test;

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void randomSettingsFileGivesDefaults();
    void settingsDirectoryGivesDefaults();
    void tabCountIsCapped_data();
    void tabCountIsCapped();
    void megabyteKeywordIsRecorded();
    void hugeStatisticsFileRefreshes();
    void formatCharactersRoundTrip_data();
    void formatCharactersRoundTrip();

private:
    QString path(const QString& name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
    ListOrder order_{QLocale(QLocale::English, QLocale::UnitedStates)};
};

void HostileInputTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void HostileInputTest::randomSettingsFileGivesDefaults()
{
    QByteArray garbage(10 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(20070301);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    const QString ini = path(QStringLiteral("Tamrin.ini"));
    writeBytes(ini, garbage);

    QCOMPARE(loadSettings(ini), TabSettings());

    // A save adds its section and keeps every byte that was there.
    TabSettings tabs;
    tabs.tabs = {{"Web", "http://127.0.0.1/?q=TEST"}};
    saveSettings(ini, tabs);
    QVERIFY(readBytes(ini).startsWith(garbage));
    QCOMPARE(loadSettings(ini).tabs, tabs.tabs);
}

void HostileInputTest::settingsDirectoryGivesDefaults()
{
    const QString ini = path(QStringLiteral("Tamrin.ini"));
    QVERIFY(QDir().mkpath(ini));
    QCOMPARE(loadSettings(ini), TabSettings());
}

void HostileInputTest::tabCountIsCapped_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("tabs");

    QTest::newRow("largest int") << QByteArray("2147483647") << kMaxTabs;
    QTest::newRow("largest int in hex") << QByteArray("0x7FFFFFFF") << kMaxTabs;
    QTest::newRow("one past the largest int") << QByteArray("2147483648") << 0;
    QTest::newRow("twenty digits") << QByteArray("99999999999999999999") << 0;
    QTest::newRow("smallest int") << QByteArray("-2147483648") << 0;
    QTest::newRow("31") << QByteArray("31") << kMaxTabs;
}

void HostileInputTest::tabCountIsCapped()
{
    QFETCH(QByteArray, count);
    QFETCH(int, tabs);

    QByteArray contents = "[Tamrin SETTINGS]\r\n#_tabs=" + count + "\r\n";
    for (int n = 1; n <= 40; ++n) {
        contents += "tab_name_" + QByteArray::number(n) + "=Tab " + QByteArray::number(n) + "\r\n";
        contents += "tab_address_" + QByteArray::number(n) + "=http://127.0.0.1/" + QByteArray::number(n) + "\r\n";
    }
    const QString ini = path(QStringLiteral("Tamrin.ini"));
    writeBytes(ini, contents);

    const TabSettings loaded = loadSettings(ini);
    QCOMPARE(loaded.tabs.size(), tabs);
    QCOMPARE(loaded.savedTabCount, tabs);
    if (tabs > 0) {
        QCOMPARE(loaded.tabs.last().caption, QStringLiteral("Tab 30"));
        QCOMPARE(loaded.tabs.last().address, QStringLiteral("http://127.0.0.1/30"));
    }
}

void HostileInputTest::megabyteKeywordIsRecorded()
{
    QString keyword;
    for (int i = 0; keyword.size() < 1024 * 1024; ++i)
        keyword += QStringLiteral("word%1 ").arg(i);
    const QString log = path(QStringLiteral("keywords.txt"));
    const QString stats = path(QStringLiteral("most_searched.txt"));
    const KeywordRecorder recorder(log, stats, order_);
    recorder.record(keyword);
    recorder.record(QStringLiteral("short"));
    recorder.record(keyword);

    QCOMPARE(readBytes(log), keyword.toUtf8() + "\r\nshort\r\n" + keyword.toUtf8() + "\r\n");
    QCOMPARE(readBytes(stats), "001|short\r\n002|" + keyword.toUtf8() + "\r\n");

    SearchState state;
    state.MostSearchedFile = stats;
    state.ViewMode = 3;
    StatisticsView view(state, order_);
    view.cycle();  // the alphabetical view
    const auto shown = view.refresh();
    QVERIFY(shown.has_value());
    QCOMPARE(shown->entries, QStringList({QStringLiteral("short"), keyword}));
}

void HostileInputTest::hugeStatisticsFileRefreshes()
{
    constexpr int kLines = 200000;
    QByteArray contents;
    contents.reserve(kLines * 20);
    for (int line = 0; line < kLines; ++line)
        contents += countField(line / 100 + 1) + "|keyword " + QByteArray::number(kLines - line) + "\r\n";
    const QString stats = path(QStringLiteral("most_searched.txt"));
    writeBytes(stats, contents);

    SearchState state;
    state.MostSearchedFile = stats;
    StatisticsView view(state, order_);
    view.cycle();  // view 1: most searched first
    auto shown = view.refresh();
    QVERIFY(shown.has_value());
    QCOMPARE(state.StatsCount, kLines);
    QCOMPARE(shown->entries.size(), kLines);
    QCOMPARE(shown->entries.first(), QStringLiteral("keyword 1"));
    QCOMPARE(shown->entries.last(), QStringLiteral("keyword 200000"));

    view.cycle();  // view 2: top 20
    shown = view.refresh();
    QCOMPARE(shown->entries.size(), 20);
    view.cycle();
    view.cycle();  // view 4: alphabetical
    shown = view.refresh();
    QCOMPARE(shown->entries.size(), kLines);
    QCOMPARE(shown->entries.first(), QStringLiteral("keyword 1"));
    QCOMPARE(shown->entries.at(1), QStringLiteral("keyword 10"));
}

void HostileInputTest::formatCharactersRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("bars") << QStringLiteral("a|b||c|");
    QTest::newRow("leading bar and count") << QStringLiteral("|001|x");
    QTest::newRow("double quotes") << QStringLiteral("\"quoted\"");
    QTest::newRow("single quotes") << QStringLiteral("'quoted'");
    QTest::newRow("unmatched quotes") << QStringLiteral("\"half'");
    QTest::newRow("doubled quotes") << QStringLiteral("\"\"x\"\"");
    QTest::newRow("comment") << QStringLiteral(";not a comment");
    QTest::newRow("key line") << QStringLiteral("#_tabs=0");
    QTest::newRow("section") << QStringLiteral("[Tamrin SETTINGS]");
    QTest::newRow("everything") << QStringLiteral("\"|;#'=[x]|\"\"; #\"");
}

void HostileInputTest::formatCharactersRoundTrip()
{
    QFETCH(QString, text);

    // As a keyword: logged, counted and listed as typed.
    const QString log = path(QStringLiteral("keywords.txt"));
    const QString stats = path(QStringLiteral("most_searched.txt"));
    KeywordRecorder(log, stats, order_).record(text);
    QCOMPARE(readBytes(log), text.toUtf8() + "\r\n");
    QCOMPARE(readBytes(stats), "001|" + text.toUtf8() + "\r\n");
    SearchState state;
    state.MostSearchedFile = stats;
    StatisticsView view(state, order_);
    view.cycle();
    QCOMPARE(view.refresh()->entries, QStringList(text));

    // As a tab's caption and address, next to an ordinary tab.
    const QString ini = path(QStringLiteral("Tamrin.ini"));
    TabSettings settings;
    settings.tabs = {{text, text + QStringLiteral("?q=TEST")}, {QStringLiteral("Web"), QStringLiteral("http://127.0.0.1/")}};
    saveSettings(ini, settings);
    saveSettings(ini, settings);  // saved over itself
    const TabSettings loaded = loadSettings(ini);
    QCOMPARE(loaded.tabs, settings.tabs);
    QCOMPARE(loaded.savedTabCount, 2);
}

QTEST_GUILESS_MAIN(HostileInputTest)
#include "HostileInputTest.moc"
