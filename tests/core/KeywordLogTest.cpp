#include "AppError.h"
#include "FileBytes.h"
#include "KeywordLog.h"
#include "TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace sorvanta;
using namespace Qt::StringLiterals;

namespace {

constexpr int kLinesPerCopy = 500;
const QString kAppendMode = u"--append-as-copy"_s;

// A long line makes a torn write easy to see.
QString copyLine(const QString& copy, int n)
{
    return u"copy %1 search %2 "_s.arg(copy).arg(n) + QString(200, QChar(u'a' + n % 26));
}

// The child side: wait for the go file, then append as fast as possible.
int appendAsCopy(const QString& logPath, const QString& goPath, const QString& copy)
{
    while (!QFileInfo::exists(goPath))
        QThread::usleep(200);
    const KeywordLog log(logPath);
    for (int n = 0; n < kLinesPerCopy; ++n)
        log.append(copyLine(copy, n));
    return 0;
}

}  // namespace

class KeywordLogTest : public QObject {
    Q_OBJECT

private slots:
    void lineFor_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("as typed") << u"  Red Apple  "_s << QByteArray("  Red Apple  \r\n");
        QTest::newRow("symbols stay") << u"C++ a|b 50%"_s << QByteArray("C++ a|b 50%\r\n");
        QTest::newRow("non-ASCII") << u"café"_s << QByteArray("caf\xc3\xa9\r\n");
        QTest::newRow("CR LF inside") << u"red\r\napple"_s << QByteArray("red  apple\r\n");
        QTest::newRow("LF and CR inside") << u"a\nb\rc"_s << QByteArray("a b c\r\n");
    }

    void lineFor()
    {
        QFETCH(QString, keyword);
        QFETCH(QByteArray, line);
        QCOMPARE(KeywordLog::lineFor(keyword), line);
    }

    void appendCreatesThenAppends()
    {
        QTemporaryDir dir;
        const KeywordLog log(dir.filePath(u"keywords_May_2008.txt"_s));
        log.append(u"linux"_s);
        QCOMPARE(log.readAll(), QByteArray("linux\r\n"));
        log.append(u"apple\npie"_s);
        QCOMPARE(log.readAll(), QByteArray("linux\r\napple pie\r\n"));
    }

    void errorsNameThePath_data()
    {
        QTest::addColumn<bool>("reading");
        QTest::newRow("append") << false;
        QTest::newRow("read") << true;
    }

    void errorsNameThePath()
    {
        QFETCH(bool, reading);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"missing/keywords_May_2008.txt"_s);
        try {
            if (reading)
                KeywordLog(path).readAll();
            else
                KeywordLog(path).append(u"linux"_s);
            QFAIL("no error raised");
        } catch (const AppError& error) {
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
            QVERIFY2(error.message().contains(u"No such file or directory"_s), qPrintable(error.message()));
        }
    }

    // Two copies of the program appending at once: every line arrives whole.
    void twoCopiesAppendAtOnce()
    {
        QTemporaryDir dir;
        const QString logPath = dir.filePath(u"keywords.txt"_s);
        const QString goPath = dir.filePath(u"go"_s);
        QProcess copies[2];
        const QStringList names{u"A"_s, u"B"_s};
        for (int i = 0; i < 2; ++i) {
            copies[i].start(QCoreApplication::applicationFilePath(), {kAppendMode, logPath, goPath, names[i]});
            QVERIFY(copies[i].waitForStarted());
        }
        QFile go(goPath);
        QVERIFY(go.open(QIODevice::WriteOnly));
        go.close();
        for (QProcess& copy : copies) {
            QVERIFY(copy.waitForFinished(60000));
            QCOMPARE(copy.exitCode(), 0);
        }

        const QByteArray contents = test::readBytes(logPath);
        QVERIFY(contents.endsWith("\r\n"));
        QSet<QByteArray> expected;
        for (const QString& name : names) {
            for (int n = 0; n < kLinesPerCopy; ++n)
                expected.insert(copyLine(name, n).toUtf8());
        }
        const QList<QByteArrayView> lines = splitLines(contents);
        QCOMPARE(lines.size(), 2 * kLinesPerCopy);
        QSet<QByteArray> found;
        for (const QByteArrayView line : lines)
            found.insert(line.toByteArray());
        QCOMPARE(found, expected);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments[1] == kAppendMode)
        return appendAsCopy(arguments[2], arguments[3], arguments[4]);
    KeywordLogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "KeywordLogTest.moc"
