#include "SearchAddress.h"

#include <QTest>

using namespace sorvanta;

class SearchAddressTest : public QObject {
    Q_OBJECT

private slots:
    void buildsAddress_data();
    void buildsAddress();
};

void SearchAddressTest::buildsAddress_data()
{
    QTest::addColumn<QString>("addressTemplate");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("address");

    const QString query = QStringLiteral("search?q=TEST");
    QTest::newRow("blanks become plus") << query << "red apple pie" << "search?q=red+apple+pie";
    QTest::newRow("runs and ends of blanks") << query << " a  b " << "search?q=+a++b+";
    QTest::newRow("plus sign") << query << "C++" << "search?q=C%2B%2B";
    QTest::newRow("hash") << query << "C#" << "search?q=C%23";
    QTest::newRow("ampersand") << query << "AT&T" << "search?q=AT%26T";
    QTest::newRow("percent") << query << "50%" << "search?q=50%25";
    QTest::newRow("plus and ampersand") << query << "a+b&c" << "search?q=a%2Bb%26c";
    QTest::newRow("reserved and tab") << query << "a/b?c=d\te" << "search?q=a%2Fb%3Fc%3Dd%09e";
    QTest::newRow("unreserved kept") << query << "Az09-._~" << "search?q=Az09-._~";
    QTest::newRow("non-ASCII as UTF-8 bytes") << query << QString::fromUtf8("café 日本")
                                              << "search?q=caf%C3%A9+%E6%97%A5%E6%9C%AC";
    QTest::newRow("only the first TEST") << "q=TEST&also=TEST" << "x" << "q=x&also=TEST";
    QTest::newRow("TEST inside a word") << "TESTING" << "a" << "aING";
    QTest::newRow("no placeholder") << "https://example.org/" << "x" << "https://example.org/";
    QTest::newRow("lower case") << "q=test" << "x" << "q=test";
    QTest::newRow("mixed case") << "q=Test" << "x" << "q=Test";
    QTest::newRow("empty template") << "" << "x" << "";
}

void SearchAddressTest::buildsAddress()
{
    QFETCH(QString, addressTemplate);
    QFETCH(QString, keywords);
    QFETCH(QString, address);
    QCOMPARE(BuildSearchAddress(addressTemplate, keywords), address);
}

QTEST_GUILESS_MAIN(SearchAddressTest)
#include "SearchAddressTest.moc"
