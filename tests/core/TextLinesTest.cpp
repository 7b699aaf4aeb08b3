#include "TextLines.h"

#include <QTest>

using namespace sorvanta;

class TextLinesTest : public QObject {
    Q_OBJECT

private slots:
    void splitLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
        QTest::newRow("no end") << QByteArray("apple") << QList<QByteArray>{"apple"};
        QTest::newRow("CR LF") << QByteArray("apple\r\npear\r\n") << QList<QByteArray>{"apple", "pear"};
        QTest::newRow("LF") << QByteArray("apple\npear\n") << QList<QByteArray>{"apple", "pear"};
        QTest::newRow("CR") << QByteArray("apple\rpear\r") << QList<QByteArray>{"apple", "pear"};
        QTest::newRow("mixed, last without end")
            << QByteArray("a\rb\nc\r\nd") << QList<QByteArray>{"a", "b", "c", "d"};
        QTest::newRow("blank lines") << QByteArray("\r\n\n\r") << QList<QByteArray>{"", "", ""};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("longer than a word")
            << QByteArray("0123456789abcdef\r\n0123456\r\n01234567\n") << QList<QByteArray>{"0123456789abcdef", "0123456", "01234567"};
        QTest::newRow("CR LF split across words")
            << QByteArray("0123456\r\n89abcdef") << QList<QByteArray>{"0123456", "89abcdef"};
        QTest::newRow("UTF-8 and a NUL") << QByteArray("caf\xc3\xa9\r\nx\0y", 10) << QList<QByteArray>{"caf\xc3\xa9", QByteArray("x\0y", 3)};
    }

    void splitLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, lines);
        QList<QByteArray> split;
        for (const QByteArrayView line : sorvanta::splitLines(text))
            split.append(line.toByteArray());
        QCOMPARE(split, lines);
    }
};

QTEST_GUILESS_MAIN(TextLinesTest)
#include "TextLinesTest.moc"
