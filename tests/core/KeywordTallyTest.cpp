#include "KeywordTally.h"
#include "ListOrder.h"

#include <QTest>

using namespace sorvanta;

class KeywordTallyTest : public QObject {
    Q_OBJECT

private slots:
    void countField_data()
    {
        QTest::addColumn<qsizetype>("count");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("1") << qsizetype(1) << QByteArray("001");
        QTest::newRow("9") << qsizetype(9) << QByteArray("009");
        QTest::newRow("10") << qsizetype(10) << QByteArray("010");
        QTest::newRow("99") << qsizetype(99) << QByteArray("099");
        QTest::newRow("100") << qsizetype(100) << QByteArray("100");
        QTest::newRow("999") << qsizetype(999) << QByteArray("999");
        QTest::newRow("1000") << qsizetype(1000) << QByteArray("1000");
        QTest::newRow("123456") << qsizetype(123456) << QByteArray("123456");
    }

    void countField()
    {
        QFETCH(qsizetype, count);
        QFETCH(QByteArray, field);
        QCOMPARE(sorvanta::countField(count), field);
        // Counted from a log, written to the file.
        const QByteArray log = QByteArray("linux\r\n").repeated(int(count));
        QCOMPARE(statisticsFileContents(tallyLog(log, order_)), field + "|linux\r\n");
    }

    void statisticsFile_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QByteArray>("statistics");
        QTest::newRow("first search of the month") << QByteArray("linux\r\n") << QByteArray("001|linux\r\n");
        QTest::newRow("least searched first")
            << QByteArray("linux\r\napple\r\nlinux\r\napple\r\napple\r\nzebra\r\n")
            << QByteArray("001|zebra\r\n002|linux\r\n003|apple\r\n");
        QTest::newRow("case of A-Z folds, the spelling sorting last is kept")
            << QByteArray("Linux\r\nlinux\r\nLINUX\r\n") << QByteArray("003|linux\r\n");
        QTest::newRow("accented capitals stay apart")
            << QByteArray("\xc3\x89lan\r\n\xc3\xa9lan\r\n\xc3\xa9lan\r\n")
            << QByteArray("001|\xc3\x89lan\r\n002|\xc3\xa9lan\r\n");
        QTest::newRow("trailing blank is another keyword")
            << QByteArray("apple \r\napple\r\napple\r\n") << QByteArray("001|apple \r\n002|apple\r\n");
        QTest::newRow("bar inside the keyword") << QByteArray("a|b\r\n") << QByteArray("001|a|b\r\n");
        QTest::newRow("blank log line") << QByteArray("apple\r\n\r\n") << QByteArray("001|\r\n001|apple\r\n");
        QTest::newRow("equal counts alphabetically")
            << QByteArray("beta\r\nalpha\r\nBeta\r\nalpha\r\n") << QByteArray("002|alpha\r\n002|beta\r\n");
        QTest::newRow("digits before letters, empty first")
            << QByteArray("b\na\n9\n10\n\n") << QByteArray("001|\r\n001|10\r\n001|9\r\n001|a\r\n001|b\r\n");
        QTest::newRow("CR, LF and CR LF all end lines")
            << QByteArray("pear\rpear\npear\r\npear") << QByteArray("004|pear\r\n");
        QTest::newRow("empty log") << QByteArray() << QByteArray();
    }

    void statisticsFile()
    {
        QFETCH(QByteArray, log);
        QFETCH(QByteArray, statistics);
        QCOMPARE(statisticsFileContents(tallyLog(log, order_)), statistics);
    }

    // A keyword searched 1000 times or more stays the most searched, and the
    // lines below 1000 keep the order they always had.
    void countsPast999StayOnTop()
    {
        const QByteArray log = QByteArray("zebra\r\n").repeated(1000) + QByteArray("apple\r\n").repeated(999) + QByteArray("kiwi\r\n").repeated(100)
            + QByteArray("pear\r\n").repeated(101) + QByteArray("fig\r\n").repeated(99);
        QCOMPARE(statisticsFileContents(tallyLog(log, order_)),
                 QByteArray("099|fig\r\n100|kiwi\r\n101|pear\r\n999|apple\r\n1000|zebra\r\n"));
    }

    // Case variants mixed through a long log, with many distinct keywords:
    // what the hash table must get right when it grows.
    void manyKeywords()
    {
        QByteArray log;
        for (int round = 0; round < 3; ++round) {
            for (int k = 0; k < 5000; ++k)
                log += (round == 1 ? "Keyword " : "keyword ") + QByteArray::number(k) + "\r\n";
        }
        const QList<TallyEntry> tally = tallyLog(log, order_);
        QCOMPARE(tally.size(), 5000);
        for (const TallyEntry& entry : tally) {
            QCOMPARE(entry.count, 3);
            QVERIFY(entry.keyword.startsWith("keyword "));
        }
        QCOMPARE(tally.first().keyword, QByteArrayView("keyword 0"));
        QCOMPARE(tally.last().keyword, QByteArrayView("keyword 999"));
    }

private:
    const ListOrder order_{QLocale(QLocale::English, QLocale::UnitedStates)};
};

QTEST_GUILESS_MAIN(KeywordTallyTest)
#include "KeywordTallyTest.moc"
