#include "IniFile.h"

#include <QTest>

using namespace sorvanta;

class IniFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsValue_data();
    void readsValue();
    void readsInteger_data();
    void readsInteger();
    void writesBytes_data();
    void writesBytes();
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
};

void IniFileTest::readsValue_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("plain") << QByteArray("[S]\r\nk=v\r\n") << QByteArray("k") << true << QByteArray("v");
    QTest::newRow("names fold case") << QByteArray("[s]\nKEY=v\n") << QByteArray("key") << true << QByteArray("v");
    QTest::newRow("hash starts a key") << QByteArray("[S]\n#_tabs=3\n") << QByteArray("#_tabs") << true << QByteArray("3");
    QTest::newRow("semicolon comment") << QByteArray("[S]\n ;k=v\n") << QByteArray("k") << false << QByteArray();
    QTest::newRow("blanks and tabs trimmed") << QByteArray("[S]\n \tk \t= \t a b \t\n") << QByteArray("k") << true
                                             << QByteArray("a b");
    QTest::newRow("double quotes removed") << QByteArray("[S]\nk= \"a b \" \n") << QByteArray("k") << true
                                           << QByteArray("a b ");
    QTest::newRow("single quotes removed") << QByteArray("[S]\nk='x'\n") << QByteArray("k") << true << QByteArray("x");
    QTest::newRow("one pair only") << QByteArray("[S]\nk=\"\"x\"\"\n") << QByteArray("k") << true
                                   << QByteArray("\"x\"");
    QTest::newRow("unmatched quotes kept") << QByteArray("[S]\nk=\"x'\n") << QByteArray("k") << true
                                           << QByteArray("\"x'");
    QTest::newRow("second equals in value") << QByteArray("[S]\nk=a=b\n") << QByteArray("k") << true
                                            << QByteArray("a=b");
    QTest::newRow("empty value") << QByteArray("[S]\nk=\n") << QByteArray("k") << true << QByteArray();
    QTest::newRow("line without equals") << QByteArray("[S]\nk\n") << QByteArray("k") << false << QByteArray();
    QTest::newRow("first duplicate key") << QByteArray("[S]\nk=1\nK=2\n") << QByteArray("k") << true << QByteArray("1");
    QTest::newRow("first duplicate section") << QByteArray("[S]\na=1\n[T]\nk=9\n[S]\nk=2\n") << QByteArray("k")
                                             << false << QByteArray();
    QTest::newRow("other section") << QByteArray("[T]\nk=1\n") << QByteArray("k") << false << QByteArray();
    QTest::newRow("key before any section") << QByteArray("k=1\n[S]\n") << QByteArray("k") << false << QByteArray();
    QTest::newRow("blanks in header") << QByteArray(" [ S ] \nk=1") << QByteArray("k") << true << QByteArray("1");
    QTest::newRow("CR line ends") << QByteArray("[S]\ra=1\rk=2\r") << QByteArray("k") << true << QByteArray("2");
    QTest::newRow("mixed line ends") << QByteArray("[S]\r\na=1\n\rk=2") << QByteArray("k") << true << QByteArray("2");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[S]\nk=1\n") << QByteArray("k") << true
                                     << QByteArray("1");
    QTest::newRow("long value whole") << "[S]\nk=" + QByteArray(5000, 'x') + "\n" << QByteArray("k") << true
                                      << QByteArray(5000, 'x');
}

void IniFileTest::readsValue()
{
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, key);
    QFETCH(bool, present);
    QFETCH(QByteArray, value);
    const auto read = IniFile::parse(contents).value("S", key);
    QCOMPARE(read.has_value(), present);
    if (present)
        QCOMPARE(*read, value);
}

void IniFileTest::readsInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("decimal") << QByteArray("42") << true << 42;
    QTest::newRow("leading zeros") << QByteArray("007") << true << 7;
    QTest::newRow("minus") << QByteArray("-2") << true << -2;
    QTest::newRow("plus") << QByteArray("+3") << true << 3;
    QTest::newRow("0x") << QByteArray("0x3") << true << 3;
    QTest::newRow("0X mixed case digits") << QByteArray("0X1fA") << true << 0x1FA;
    QTest::newRow("dollar") << QByteArray("$1F") << true << 31;
    QTest::newRow("largest") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << true << -2147483647 - 1;
    QTest::newRow("largest hex") << QByteArray("0x7FFFFFFF") << true << 2147483647;
    QTest::newRow("overflow") << QByteArray("2147483648") << false << 0;
    QTest::newRow("hex overflow") << QByteArray("0x80000000") << false << 0;
    QTest::newRow("long overflow") << QByteArray("99999999999999999999") << false << 0;
    QTest::newRow("bare 0x") << QByteArray("0x") << false << 0;
    QTest::newRow("bare dollar") << QByteArray("$") << false << 0;
    QTest::newRow("bare sign") << QByteArray("-") << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("word") << QByteArray("yes") << false << 0;
    QTest::newRow("trailing letter") << QByteArray("12a") << false << 0;
    QTest::newRow("inner blank") << QByteArray("1 2") << false << 0;
    QTest::newRow("hex digit in decimal") << QByteArray("1f") << false << 0;
}

void IniFileTest::readsInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto read = IniFile::parseInteger(text);
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, value);
}

void IniFileTest::writesBytes_data()
{
    // Writes are triples of section, key and value.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArrayList>("writes");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << QByteArrayList{"S", "k", "v"} << QByteArray("[S]\r\nk=v\r\n");
    QTest::newRow("update in place keeps other lines")
        << QByteArray("; note\n[T]\nk=1\n\n[S]\nA=1\n  K  = old ; x\r\nB=2\r\n")
        << QByteArrayList{"s", "k", "new"}
        << QByteArray("; note\n[T]\nk=1\n\n[S]\nA=1\n  K=new\r\nB=2\r\n");
    QTest::newRow("update first of duplicates") << QByteArray("[S]\nk=1\nk=2\n") << QByteArrayList{"S", "k", "3"}
                                                << QByteArray("[S]\nk=3\nk=2\n");
    QTest::newRow("new key after last key line")
        << QByteArray("[S]\na=1\n;c\nb=2\n\n;tail\n[T]\nx=1\n") << QByteArrayList{"S", "c", "3"}
        << QByteArray("[S]\na=1\n;c\nb=2\nc=3\r\n\n;tail\n[T]\nx=1\n");
    QTest::newRow("new key in empty section") << QByteArray("[S]\n\n[T]\n") << QByteArrayList{"S", "k", "v"}
                                              << QByteArray("[S]\nk=v\r\n\n[T]\n");
    QTest::newRow("new section at end") << QByteArray("[T]\nx=1\n") << QByteArrayList{"S", "k", "v"}
                                        << QByteArray("[T]\nx=1\n[S]\r\nk=v\r\n");
    QTest::newRow("no trailing line end, new section") << QByteArray("[T]\nx=1") << QByteArrayList{"S", "k", "v"}
                                                       << QByteArray("[T]\nx=1\r\n[S]\r\nk=v\r\n");
    QTest::newRow("no trailing line end, new key") << QByteArray("[S]\nx=1") << QByteArrayList{"S", "k", "v"}
                                                   << QByteArray("[S]\nx=1\r\nk=v\r\n");
    QTest::newRow("no trailing line end, update") << QByteArray("[S]\nk=1") << QByteArrayList{"S", "k", "2"}
                                                  << QByteArray("[S]\nk=2\r\n");
    QTest::newRow("byte-order mark kept") << QByteArray("\xEF\xBB\xBF[S]\rk=1\r") << QByteArrayList{"S", "k", "2"}
                                          << QByteArray("\xEF\xBB\xBF[S]\rk=2\r");
    QTest::newRow("line breaks in value") << QByteArray("[S]\n")
                                          << QByteArrayList{"S", "k", "a\r\nb\rc\n[S]\nk=evil"}
                                          << QByteArray("[S]\nk=a  b c [S] k=evil\r\n");
    QTest::newRow("quoted value gets one more pair") << QByteArray() << QByteArrayList{"S", "k", "'x'"}
                                                     << QByteArray("[S]\r\nk=\"'x'\"\r\n");
    QTest::newRow("writes in order") << QByteArray()
                                     << QByteArrayList{"S", "a", "1", "T", "x", "2", "S", "b", "3", "s", "A", "4"}
                                     << QByteArray("[S]\r\na=4\r\nb=3\r\n[T]\r\nx=2\r\n");
}

void IniFileTest::writesBytes()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArrayList, writes);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::parse(before);
    for (qsizetype i = 0; i + 2 < writes.size(); i += 3)
        ini.write(writes[i], writes[i + 1], writes[i + 2]);
    QCOMPARE(ini.contents(), after);
}

void IniFileTest::writtenValueReadsBack_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain") << QByteArray("https://example.org/?q=TEST") << QByteArray("https://example.org/?q=TEST");
    QTest::newRow("semicolon and hash") << QByteArray("a;b #c") << QByteArray("a;b #c");
    QTest::newRow("double-quoted") << QByteArray("\"x\"") << QByteArray("\"x\"");
    QTest::newRow("single-quoted with blanks") << QByteArray(" 'x y' ") << QByteArray("'x y'");
    QTest::newRow("lone quote") << QByteArray("\"") << QByteArray("\"");
    QTest::newRow("blanks at the ends dropped") << QByteArray("\t a b \t") << QByteArray("a b");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void IniFileTest::writtenValueReadsBack()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    IniFile ini;
    ini.write("S", "k", value);
    QCOMPARE(IniFile::parse(ini.contents()).readString("S", "k", "missing"), expected);
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "IniFileTest.moc"
