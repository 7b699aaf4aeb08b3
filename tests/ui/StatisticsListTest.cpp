#include "MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

using sorvanta::TForm1;

namespace {

// A shown window with one engine and a statistics file for the month.
struct ListFixture : MainWindowFixture {
    TForm1* form = nullptr;

    // `log` is the month's keyword log and `statistics` its tally.
    ListFixture(const QStringList& log, const QStringList& statistics)
    {
        writeSettings({{QStringLiteral("Local"), QStringLiteral("http://127.0.0.1/s?q=TEST")}});
        if (!log.isEmpty())
            writeKeywordLog(log);
        if (!statistics.isEmpty())
            writeStatistics(statistics);
        form = &startActive();
    }

    QLabel* label() const { return find<QLabel>("Label_Searched"); }
    QListWidget* list() const { return find<QListWidget>("KeywordsSorted"); }

    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }

    void clickEntry(const QString& text) const
    {
        const QList<QListWidgetItem*> found = list()->findItems(text, Qt::MatchExactly);
        if (found.size() != 1)
            qFatal("no single entry %s", qPrintable(text));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(found[0]).center());
    }
};

const QStringList ThreeKeywordsLog{"linux", "zebra", "apple", "linux", "zebra", "linux"};
const QStringList ThreeKeywords{"001|apple", "002|zebra", "003|linux"};

}  // namespace

class StatisticsListTest : public QObject {
    Q_OBJECT
private slots:
    void labelClicksCycleTheViews_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("entries");
        const QStringList byCount{"linux", "zebra", "apple"};
        const QStringList alphabetical{"apple", "linux", "zebra"};
        QTest::newRow("start") << 0 << "4. Keywords - Alphabetical " << alphabetical;
        QTest::newRow("one click") << 1 << "1. Keywords - Most Searched" << byCount;
        QTest::newRow("two clicks") << 2 << "2. Keywords - Top 20" << byCount;
        QTest::newRow("three clicks") << 3 << "3. Keywords - Top 10" << byCount;
        QTest::newRow("four clicks") << 4 << "4. Keywords - Alphabetical " << alphabetical;
        QTest::newRow("five clicks") << 5 << "1. Keywords - Most Searched" << byCount;
    }
    void labelClicksCycleTheViews()
    {
        QFETCH(int, clicks);
        QFETCH(QString, caption);
        QFETCH(QStringList, entries);
        ListFixture f(ThreeKeywordsLog, ThreeKeywords);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(f.label(), Qt::LeftButton);
        QCOMPARE(f.label()->text(), caption);
        QCOMPARE(f.entries(), entries);
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void topTenShowsTheTenMostSearched()
    {
        QStringList lines;
        for (int i = 1; i <= 12; ++i)
            lines << QStringLiteral("%1|k%2").arg(i, 3, 10, QLatin1Char('0')).arg(i, 2, 10, QLatin1Char('0'));
        ListFixture f({}, lines);
        for (int view = 1; view <= 3; ++view)
            QTest::mouseClick(f.label(), Qt::LeftButton);
        QCOMPARE(f.label()->text(), QStringLiteral("3. Keywords - Top 10"));
        QCOMPARE(f.entries().size(), 10);
        QCOMPARE(f.entries().first(), QStringLiteral("k12"));
        QCOMPARE(f.entries().last(), QStringLiteral("k03"));
    }

    void withoutStatisticsTheLabelCyclesAndTheListStaysEmpty()
    {
        ListFixture f({}, {});
        QTest::mouseClick(f.label(), Qt::LeftButton);
        QCOMPARE(f.label()->text(), QStringLiteral("1. Keywords - Most Searched"));
        QCOMPARE(f.list()->count(), 0);
        QVERIFY(f.list()->isVisible());
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void clickOnAnEntrySearchesItInTheSameView()
    {
        ListFixture f(ThreeKeywordsLog, ThreeKeywords);
        f.clickEntry(QStringLiteral("zebra"));
        QCOMPARE(f.find<QLineEdit>("LE_KeywordsSearch")->text(), QStringLiteral("zebra"));
        QCOMPARE(f.browser->navigations(), QStringList{"http://127.0.0.1/s?q=zebra"});
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Sorvanta v.3 - zebra"));
        QCOMPARE(f.label()->text(), QStringLiteral("4. Keywords - Alphabetical "));
        QCOMPARE(f.entries(), (QStringList{"apple", "linux", "zebra"}));
        QVERIFY(f.list()->selectedItems().isEmpty());
        QVERIFY(f.list()->isVisible());
        QCOMPARE(f.readFile(f.statisticsPath()), QByteArray("001|apple\r\n003|linux\r\n003|zebra\r\n"));
    }

    void keyboardSelectionSearchesTheChosenEntry()
    {
        ListFixture f(ThreeKeywordsLog, ThreeKeywords);
        QTest::mouseClick(f.label(), Qt::LeftButton);  // most searched first: linux
        f.list()->setFocus();
        QTest::keyClick(f.list(), Qt::Key_Down);
        QCOMPARE(f.browser->navigations(), QStringList{"http://127.0.0.1/s?q=linux"});
        QVERIFY(f.list()->hasFocus());

        QTest::keyClick(f.list(), Qt::Key_Down);
        QCOMPARE(f.browser->navigations().size(), 2);
    }

    void unreadableStatisticsAtStartAreReportedAndTheTabsStillLoad()
    {
        MainWindowFixture f;
        f.writeThreeEngines();
        QVERIFY(QDir().mkdir(f.statisticsPath()));
        TForm1& form = f.start();
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY2(f.dialogs.errors[0].contains(f.statisticsPath()), qPrintable(f.dialogs.errors[0]));
        QVERIFY(f.dialogs.informations.isEmpty());
        QCOMPARE(form.TabCount(), 3);
        QCOMPARE(f.find<QLabel>("Label_Searched")->text(), QStringLiteral("4. Keywords - Alphabetical "));
    }
};

QTEST_MAIN(StatisticsListTest)
#include "StatisticsListTest.moc"
