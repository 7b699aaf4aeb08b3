#include "MonthlyFiles.h"

#include <QTest>

using namespace sorvanta;
using namespace Qt::StringLiterals;

class MonthlyFilesTest : public QObject {
    Q_OBJECT

private slots:
    void monthName_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << u"January"_s;
        QTest::newRow("5") << 5 << u"May"_s;
        QTest::newRow("9") << 9 << u"September"_s;
        QTest::newRow("12") << 12 << u"December"_s;
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("13") << 13 << QString();
        QTest::newRow("-1") << -1 << QString();
    }

    void monthName()
    {
        QFETCH(int, month);
        QFETCH(QString, name);
        QCOMPARE(MonthName(month), name);
    }

    void monthStamp_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("stamp");
        QTest::newRow("March 2007") << QDate(2007, 3, 1) << u"March_2007"_s;
        QTest::newRow("last day of December") << QDate(2007, 12, 31) << u"December_2007"_s;
        QTest::newRow("next January") << QDate(2008, 1, 1) << u"January_2008"_s;
        QTest::newRow("year without leading zeros") << QDate(987, 7, 4) << u"July_987"_s;
    }

    void monthStamp()
    {
        QFETCH(QDate, date);
        QFETCH(QString, stamp);
        QCOMPARE(MonthStamp([date] { return date; }), stamp);
    }

    // Month names are part of file names: never translated.
    void monthStampIgnoresTheLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const QString stamp = MonthStamp([] { return QDate(2008, 5, 20); });
        QLocale::setDefault(previous);
        QCOMPARE(stamp, u"May_2008"_s);
    }

    void appDirOf_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QString>("keywordsFile");
#ifdef Q_OS_WIN
        QTest::newRow("directory") << u"C:/Programs/Sorvanta/Tamrin.exe"_s << u"C:\\Programs\\Sorvanta"_s
                                   << u"C:\\Programs\\Sorvanta\\keywords_May_2008.txt"_s;
        QTest::newRow("drive root") << u"C:/Tamrin.exe"_s << u"C:\\"_s << u"C:\\\\keywords_May_2008.txt"_s;
#else
        QTest::newRow("directory") << u"/opt/sorvanta/Tamrin"_s << u"/opt/sorvanta"_s
                                   << u"/opt/sorvanta/keywords_May_2008.txt"_s;
        QTest::newRow("root") << u"/Tamrin"_s << u"/"_s << u"//keywords_May_2008.txt"_s;
#endif
    }

    void appDirOf()
    {
        QFETCH(QString, executable);
        QFETCH(QString, appDir);
        QFETCH(QString, keywordsFile);
        QCOMPARE(sorvanta::appDirOf(executable), appDir);
        QCOMPARE(keywordsFilePath(appDir, u"May_2008"_s), keywordsFile);
    }
};

QTEST_GUILESS_MAIN(MonthlyFilesTest)
#include "MonthlyFilesTest.moc"
