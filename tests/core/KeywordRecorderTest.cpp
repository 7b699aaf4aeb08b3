#include "AppError.h"
#include "FileBytes.h"
#include "KeywordRecorder.h"
#include "ListOrder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace sorvanta;
using namespace sorvanta::test;
using namespace Qt::StringLiterals;

class KeywordRecorderTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_.emplace();
        log_ = dir_->filePath(u"keywords_May_2008.txt"_s);
        statistics_ = dir_->filePath(u"most_searched_May_2008.txt"_s);
    }

    void eachSearchCountsTheWholeLog()
    {
        const KeywordRecorder recorder(log_, statistics_, order_);
        recorder.record(u"Linux"_s);
        QCOMPARE(readBytes(log_), QByteArray("Linux\r\n"));
        QCOMPARE(readBytes(statistics_), QByteArray("001|Linux\r\n"));
        recorder.record(u"apple"_s);
        recorder.record(u"linux"_s);
        QCOMPARE(readBytes(log_), QByteArray("Linux\r\napple\r\nlinux\r\n"));
        QCOMPARE(readBytes(statistics_), QByteArray("001|apple\r\n002|linux\r\n"));
    }

    void logFailureLeavesTheStatistics()
    {
        writeBytes(statistics_, "001|apple\r\n");
        QVERIFY(QDir().mkdir(log_));
        expectError([this] { KeywordRecorder(log_, statistics_, order_).record(u"linux"_s); }, log_);
        QCOMPARE(readBytes(statistics_), QByteArray("001|apple\r\n"));
    }

    void statisticsFailureKeepsTheLogLine()
    {
        QVERIFY(QDir().mkdir(statistics_));
        expectError([this] { KeywordRecorder(log_, statistics_, order_).record(u"linux"_s); }, statistics_);
        QCOMPARE(readBytes(log_), QByteArray("linux\r\n"));
    }

private:
    template <typename Step>
    void expectError(Step step, const QString& path)
    {
        try {
            step();
            QFAIL("no error raised");
        } catch (const AppError& error) {
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
        }
    }

    std::optional<QTemporaryDir> dir_;
    QString log_;
    QString statistics_;
    const ListOrder order_{QLocale(QLocale::English, QLocale::UnitedStates)};
};

QTEST_GUILESS_MAIN(KeywordRecorderTest)
#include "KeywordRecorderTest.moc"
