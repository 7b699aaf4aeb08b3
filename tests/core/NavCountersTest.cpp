#include "NavCounters.h"
#include "SearchState.h"

#include <QTest>

using namespace sorvanta;

class NavCountersTest : public QObject {
    Q_OBJECT

private slots:
    void followsSteps_data();
    void followsSteps();
};

void NavCountersTest::followsSteps_data()
{
    // Steps: S a search, B Back, F Forward.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("backCount");
    QTest::addColumn<int>("forwardCount");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<bool>("forwardEnabled");

    QTest::newRow("before any search") << "" << 0 << 0 << false << false;
    QTest::newRow("first search") << "S" << 1 << 1 << false << false;
    QTest::newRow("two searches") << "SS" << 2 << 1 << true << false;
    QTest::newRow("then Back") << "SSB" << 1 << 2 << false << true;
    QTest::newRow("then Forward") << "SSBF" << 2 << 1 << true << false;
    QTest::newRow("three searches, Back twice") << "SSSBB" << 1 << 3 << false << true;
    QTest::newRow("a search drops what lay ahead") << "SSSBBS" << 2 << 1 << true << false;
}

void NavCountersTest::followsSteps()
{
    QFETCH(QString, steps);
    SearchState state;
    for (const QChar step : steps) {
        if (step == u'S')
            countSearch(state);
        else if (step == u'B')
            countBack(state);
        else
            countForward(state);
    }
    QFETCH(int, backCount);
    QFETCH(int, forwardCount);
    QFETCH(bool, backEnabled);
    QFETCH(bool, forwardEnabled);
    QCOMPARE(state.BackCount, backCount);
    QCOMPARE(state.ForwardCount, forwardCount);
    QCOMPARE(navButtonsFor(state), (NavButtonsState{backEnabled, forwardEnabled}));
}

QTEST_GUILESS_MAIN(NavCountersTest)
#include "NavCountersTest.moc"
