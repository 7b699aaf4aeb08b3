#include "AppError.h"
#include "FileBytes.h"
#include "ListOrder.h"
#include "SearchState.h"
#include "StatisticsView.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace sorvanta;
using namespace Qt::StringLiterals;

namespace {

// A statistics file with `lines` keywords k01, k02, ... counted 1, 2, ...
QByteArray statisticsOf(int lines)
{
    QByteArray contents;
    for (int i = 1; i <= lines; ++i)
        contents += QByteArray::number(i).rightJustified(3, '0') + "|k" + QByteArray::number(i).rightJustified(2, '0') + "\r\n";
    return contents;
}

}  // namespace

class StatisticsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_.emplace();
        state_ = SearchState{};
        state_.MostSearchedFile = dir_->filePath(u"most_searched_May_2008.txt"_s);
    }

    void cycleGoesRoundTheFourViews()
    {
        StatisticsView view(state_, order_);
        state_.ViewMode = 3;  // as start-up leaves it before its one cycle
        QCOMPARE(view.cycle(), u"4. Keywords - Alphabetical "_s);
        QCOMPARE(view.cycle(), u"1. Keywords - Most Searched"_s);
        QCOMPARE(view.cycle(), u"2. Keywords - Top 20"_s);
        QCOMPARE(view.cycle(), u"3. Keywords - Top 10"_s);
        QCOMPARE(view.cycle(), u"4. Keywords - Alphabetical "_s);
        QCOMPARE(state_.ViewMode, 4);
        QCOMPARE(view.cycle(), u"1. Keywords - Most Searched"_s);
        QCOMPARE(state_.ViewMode, 1);
        QCOMPARE(state_.ViewSelector, 1);
    }

    void listStart_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("listStart");
        QTest::addColumn<QStringList>("entries");
        const auto topDown = [](int from, int to) {
            QStringList keywords;
            for (int i = from; i >= to; --i)
                keywords.append(u"k%1"_s.arg(i, 2, 10, QChar(u'0')));
            return keywords;
        };
        QTest::newRow("top 10 of 9") << 3 << 9 << 0 << topDown(9, 1);
        QTest::newRow("top 10 of 10") << 3 << 10 << 0 << topDown(10, 1);
        QTest::newRow("top 10 of 11") << 3 << 11 << 1 << topDown(11, 2);
        QTest::newRow("top 20 of 19") << 2 << 19 << 0 << topDown(19, 1);
        QTest::newRow("top 20 of 20") << 2 << 20 << 0 << topDown(20, 1);
        QTest::newRow("top 20 of 21") << 2 << 21 << 1 << topDown(21, 2);
        QTest::newRow("most searched") << 1 << 21 << 0 << topDown(21, 1);
        QStringList alphabetical = topDown(21, 1);
        std::sort(alphabetical.begin(), alphabetical.end());
        QTest::newRow("alphabetical") << 4 << 21 << 0 << alphabetical;
    }

    // ListStart comes from the line count of the refresh before the choice.
    void listStart()
    {
        QFETCH(int, view);
        QFETCH(int, lines);
        QFETCH(int, listStart);
        QFETCH(QStringList, entries);
        writeStatistics(statisticsOf(lines));
        StatisticsView statistics(state_, order_);
        QVERIFY(statistics.refresh());
        state_.ViewMode = view - 1;
        statistics.cycle();
        QCOMPARE(state_.ListStart, listStart);
        const std::optional<KeywordListContent> content = statistics.refresh();
        QVERIFY(content);
        QCOMPARE(content->entries, entries);
        QCOMPARE(content->sorted, view == 4);
        QCOMPARE(state_.StatsCount, lines);
    }

    // Searches of new keywords add entries below a kept ListStart until the
    // view is chosen again.
    void listStartKeptUntilTheViewIsChosenAgain()
    {
        StatisticsView view(state_, order_);
        writeStatistics(statisticsOf(12));
        QVERIFY(view.refresh());
        state_.ViewMode = 2;
        view.cycle();
        QCOMPARE(view.refresh()->entries.size(), 10);
        writeStatistics(statisticsOf(14));
        QCOMPARE(view.refresh()->entries.size(), 12);
        for (int i = 0; i < 4; ++i)
            view.cycle();
        QCOMPARE(state_.ViewMode, 3);
        QCOMPARE(view.refresh()->entries.size(), 10);
    }

    void alphabeticalView()
    {
        writeStatistics("001|apple\r\n002|zebra\r\n003|linux\r\n");
        StatisticsView view(state_, order_);
        state_.ViewMode = 3;
        view.cycle();
        QCOMPARE(view.refresh()->entries, (QStringList{u"apple"_s, u"linux"_s, u"zebra"_s}));
        view.cycle();
        QCOMPARE(view.refresh()->entries, (QStringList{u"linux"_s, u"zebra"_s, u"apple"_s}));
    }

    void entryText_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("keyword") << QByteArray("001|linux") << u"linux"_s;
        QTest::newRow("bar in the keyword") << QByteArray("001|a|b") << u"a|b"_s;
        QTest::newRow("no bar") << QByteArray("linux") << u"linux"_s;
        QTest::newRow("empty keyword") << QByteArray("003|") << QString();
        QTest::newRow("four-digit count") << QByteArray("1000|zebra") << u"zebra"_s;
        QTest::newRow("non-ASCII") << QByteArray("002|caf\xc3\xa9") << u"café"_s;
    }

    void entryText()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        QCOMPARE(StatisticsView::entryText(line), text);
    }

    void missingFileLeavesTheListAlone()
    {
        StatisticsView view(state_, order_);
        state_.StatsCount = 7;
        QVERIFY(!view.refresh());
        QCOMPARE(state_.StatsCount, 7);
    }

    void unreadableFileRaises()
    {
        QVERIFY(QDir().mkdir(state_.MostSearchedFile));
        StatisticsView view(state_, order_);
        try {
            view.refresh();
            QFAIL("no error raised");
        } catch (const AppError& error) {
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(state_.MostSearchedFile)),
                     qPrintable(error.message()));
        }
    }

private:
    void writeStatistics(const QByteArray& contents) { test::writeBytes(state_.MostSearchedFile, contents); }

    std::optional<QTemporaryDir> dir_;
    SearchState state_;
    const ListOrder order_{QLocale(QLocale::English, QLocale::UnitedStates)};
};

QTEST_GUILESS_MAIN(StatisticsViewTest)
#include "StatisticsViewTest.moc"
