#include "SearchState.h"
#include "TabTable.h"

#include <QTest>

using namespace sorvanta;

namespace {

// Tabs named A, B, C... with the address a, b, c... as their templates.
void fill(TabTable& table, const QString& captions)
{
    for (const QChar c : captions)
        table.append(c, c.toLower());
}

QString captionsOf(const TabTable& table)
{
    QString text;
    for (int i = 0; i < table.TabCount(); ++i)
        text += table.caption(i);
    return text;
}

QString addressesOf(const SearchState& state)
{
    QString text;
    for (const QString& address : state.TabAddresses)
        text += address.isEmpty() ? QStringLiteral(".") : address;
    return text;
}

}  // namespace

class TabTableTest : public QObject {
    Q_OBJECT

private slots:
    void moves_data();
    void moves();
    void closes_data();
    void closes();
    void holdsThirtyTabs();
    void closingEveryTab();
};

void TabTableTest::moves_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("captions");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("selected first onto third") << 0 << 0 << 2 << "BCAD" << 2;
    QTest::newRow("selected shifts left") << 1 << 0 << 2 << "BCAD" << 0;
    QTest::newRow("selected last onto first") << 3 << 3 << 0 << "DABC" << 0;
    QTest::newRow("selected shifts right") << 0 << 3 << 0 << "DABC" << 1;
    QTest::newRow("selected outside the move") << 3 << 0 << 2 << "BCAD" << 3;
    QTest::newRow("onto itself") << 1 << 1 << 1 << "ABCD" << 1;
    QTest::newRow("beyond the table") << 1 << 1 << 4 << "ABCD" << 1;
}

void TabTableTest::moves()
{
    QFETCH(int, current);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, captions);
    QFETCH(int, currentAfter);

    SearchState state;
    TabTable table(state);
    fill(table, QStringLiteral("ABCD"));
    table.select(current);
    const QString shownAddress = table.currentAddress();
    table.move(from, to);

    QCOMPARE(captionsOf(table), captions);
    QCOMPARE(addressesOf(state).first(4), captions.toLower());
    QCOMPARE(state.CurrentTab, currentAfter);
    QCOMPARE(table.currentAddress(), shownAddress);
}

void TabTableTest::closes_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QString>("captions");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("selected middle, right one follows") << 1 << 1 << 1 << "ACD" << 1;
    QTest::newRow("selected rightmost, left one follows") << 3 << 3 << 2 << "ABC" << 2;
    QTest::newRow("left of selected") << 2 << 0 << 1 << "BCD" << 1;
    QTest::newRow("right of selected") << 1 << 3 << 1 << "ABC" << 1;
}

void TabTableTest::closes()
{
    QFETCH(int, current);
    QFETCH(int, index);
    QFETCH(int, selectedAfter);
    QFETCH(QString, captions);
    QFETCH(int, currentAfter);

    SearchState state;
    TabTable table(state);
    fill(table, QStringLiteral("ABCD"));
    table.select(current);
    table.close(index, selectedAfter);

    QCOMPARE(captionsOf(table), captions);
    QCOMPARE(addressesOf(state), captions.toLower() + QString(kMaxTabs - 3, u'.'));
    QCOMPARE(state.CurrentTab, currentAfter);
    QCOMPARE(table.currentAddress(), captions.at(currentAfter).toLower());
}

void TabTableTest::holdsThirtyTabs()
{
    SearchState state;
    TabTable table(state);
    for (int i = 0; i < kMaxTabs; ++i)
        QCOMPARE(table.append(QString::number(i), QStringLiteral("q=TEST&n=%1").arg(i)), i);
    QVERIFY(table.isFull());
    QCOMPARE(table.append(QStringLiteral("extra"), QStringLiteral("x")), -1);
    QCOMPARE(table.TabCount(), kMaxTabs);
    QCOMPARE(table.address(kMaxTabs - 1), QStringLiteral("q=TEST&n=29"));
    QVERIFY(table.address(kMaxTabs).isEmpty());
    QVERIFY(table.address(-1).isEmpty());

    table.select(kMaxTabs);
    QCOMPARE(state.CurrentTab, 0);
}

void TabTableTest::closingEveryTab()
{
    SearchState state;
    TabTable table(state);
    fill(table, QStringLiteral("AB"));
    table.close(0, 0);
    table.close(0, -1);
    QCOMPARE(table.TabCount(), 0);
    QCOMPARE(state.CurrentTab, -1);
    QVERIFY(table.currentAddress().isEmpty());

    // The bar selects the first tab added to an empty bar.
    table.append(QStringLiteral("C"), QStringLiteral("c"));
    QCOMPARE(state.CurrentTab, 0);
    QCOMPARE(table.currentAddress(), QStringLiteral("c"));
}

QTEST_GUILESS_MAIN(TabTableTest)
#include "TabTableTest.moc"
