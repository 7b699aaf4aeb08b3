#include "MainWindowFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using sorvanta::TForm1;

namespace {

enum class Trigger { SearchButton, EnterInField, EnterOnFocusedButton, EnterInBrowser, PressOnTab };

// A shown window with the three engines and a keyword field holding `keywords`.
struct SearchFixture : MainWindowFixture {
    TForm1& form;

    explicit SearchFixture(const QString& keywords = QString()) : form((writeThreeEngines(), startActive()))
    {
        field()->setText(keywords);
    }

    QLineEdit* field() const { return find<QLineEdit>("LE_KeywordsSearch"); }
    QPushButton* searchButton() const { return find<QPushButton>("Button_Search"); }

    void pressEnterIn(QWidget* target) const
    {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
    }

    void trigger(Trigger how) const
    {
        switch (how) {
        case Trigger::SearchButton: QTest::mouseClick(searchButton(), Qt::LeftButton); break;
        case Trigger::EnterInField: pressEnterIn(field()); break;
        case Trigger::EnterOnFocusedButton: pressEnterIn(searchButton()); break;
        case Trigger::EnterInBrowser: pressEnterIn(browser); break;
        case Trigger::PressOnTab: pressTab(1); break;
        }
    }
};

}  // namespace

class MainWindowSearchTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTitleAndButtonsAsLaidOut()
    {
        SearchFixture f;
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Sorvanta v.3"));
        QCOMPARE(f.form.windowIconText(), QStringLiteral("Sorvanta v.3"));
        QVERIFY(!f.toolButton(1)->isEnabled());
        QVERIFY(!f.toolButton(2)->isEnabled());
        QVERIFY(!f.searchButton()->isEnabled());
        for (int number : {3, 4, 6, 12})
            QVERIFY2(f.toolButton(number)->isEnabled(), qPrintable(QString::number(number)));
        QVERIFY(!f.toolButton(5)->isVisible());
        QCOMPARE(f.form.searchState().BackCount, 0);
        QCOMPARE(f.form.searchState().ForwardCount, 0);
        QVERIFY(f.browser->requests.isEmpty());
        QVERIFY(f.dialogs.errors.isEmpty());
        QVERIFY(f.dialogs.informations.isEmpty());
    }

    void everyTriggerSearchesOnceWithItsEngine_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("address");
        QTest::newRow("Search button") << Trigger::SearchButton << "http://127.0.0.1/a?q=red+apple+pie";
        QTest::newRow("Enter in the field") << Trigger::EnterInField << "http://127.0.0.1/a?q=red+apple+pie";
        QTest::newRow("Enter on the focused button")
            << Trigger::EnterOnFocusedButton << "http://127.0.0.1/a?q=red+apple+pie";
        QTest::newRow("Enter in the browser") << Trigger::EnterInBrowser << "http://127.0.0.1/a?q=red+apple+pie";
        QTest::newRow("press on the second tab") << Trigger::PressOnTab << "http://127.0.0.1/b?q=red+apple+pie";
    }
    void everyTriggerSearchesOnceWithItsEngine()
    {
        QFETCH(Trigger, trigger);
        QFETCH(QString, address);
        SearchFixture f(QStringLiteral("red apple pie"));

        f.trigger(trigger);

        QCOMPARE(f.browser->requests, QStringList{"navigate " + address});
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Sorvanta v.3 - red apple pie"));
        QCOMPARE(f.form.windowIconText(), QStringLiteral("Sorvanta v.3 - red apple pie"));
        QCOMPARE(f.readFile(f.keywordLogPath()), QByteArray("red apple pie\r\n"));
        QCOMPARE(f.find<QListWidget>("KeywordsSorted")->item(0)->text(), QStringLiteral("red apple pie"));
        QCOMPARE(f.form.searchState().BackCount, 1);
        QCOMPARE(f.form.searchState().ForwardCount, 1);
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void emptyFieldSearchesNothing_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::newRow("Enter") << Trigger::EnterInField;
        QTest::newRow("press on a tab") << Trigger::PressOnTab;
    }
    void emptyFieldSearchesNothing()
    {
        QFETCH(Trigger, trigger);
        SearchFixture f;

        f.trigger(trigger);

        QVERIFY(f.browser->requests.isEmpty());
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Sorvanta v.3"));
        QVERIFY(!QFile::exists(f.keywordLogPath()));
        QCOMPARE(f.form.searchState().BackCount, 0);
        QVERIFY(!f.toolButton(1)->isEnabled());
    }

    void pressOnATabWithEmptyFieldStillPicksTheEngine()
    {
        SearchFixture f;
        f.pressTab(2);
        f.field()->setText(QStringLiteral("x"));
        QTest::mouseClick(f.searchButton(), Qt::LeftButton);
        QCOMPARE(f.browser->navigations(), QStringList{"http://127.0.0.1/c?q=x"});
    }

    void searchButtonIsEnabledWhileTheFieldHoldsText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("a letter") << "a" << 0 << true;
        QTest::newRow("blanks only") << "  " << 0 << true;
        QTest::newRow("typed and deleted again") << "ab" << 2 << false;
    }
    void searchButtonIsEnabledWhileTheFieldHoldsText()
    {
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(bool, enabled);
        SearchFixture f;
        f.field()->setFocus();
        QTest::keyClicks(f.field(), typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(f.field(), Qt::Key_Backspace);
        QCOMPARE(f.searchButton()->isEnabled(), enabled);
    }

    void blanksOnlySearchAsPlusSigns()
    {
        SearchFixture f(QStringLiteral(" a  b "));
        QTest::mouseClick(f.searchButton(), Qt::LeftButton);
        QCOMPARE(f.browser->navigations(), QStringList{"http://127.0.0.1/a?q=+a++b+"});
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Sorvanta v.3 -  a  b "));
    }

    // s: search, b: Back, f: Forward, r: Refresh, t: Stop
    void countersDriveBackAndForward_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("backCount");
        QTest::addColumn<int>("forwardCount");
        QTest::addColumn<bool>("backEnabled");
        QTest::addColumn<bool>("forwardEnabled");
        QTest::newRow("one search") << "s" << 1 << 1 << false << false;
        QTest::newRow("two searches") << "ss" << 2 << 1 << true << false;
        QTest::newRow("two searches, Back") << "ssb" << 1 << 2 << false << true;
        QTest::newRow("two searches, Back, Forward") << "ssbf" << 2 << 1 << true << false;
        QTest::newRow("three searches, Back twice") << "sssbb" << 1 << 3 << false << true;
        QTest::newRow("then a new search") << "sssbbs" << 2 << 1 << true << false;
        QTest::newRow("Refresh and Stop change nothing") << "ssbrt" << 1 << 2 << false << true;
    }
    void countersDriveBackAndForward()
    {
        QFETCH(QString, steps);
        QFETCH(int, backCount);
        QFETCH(int, forwardCount);
        QFETCH(bool, backEnabled);
        QFETCH(bool, forwardEnabled);
        SearchFixture f(QStringLiteral("k"));
        QStringList expected;
        for (QChar step : steps) {
            switch (step.unicode()) {
            case 's': f.searchButton()->click(); expected << "navigate http://127.0.0.1/a?q=k"; break;
            case 'b': f.toolButton(1)->trigger(); expected << "back"; break;
            case 'f': f.toolButton(2)->trigger(); expected << "forward"; break;
            case 'r': f.toolButton(3)->trigger(); expected << "refresh"; break;
            case 't': f.toolButton(4)->trigger(); expected << "stop"; break;
            }
        }
        QCOMPARE(f.browser->requests, expected);
        QCOMPARE(f.form.searchState().BackCount, backCount);
        QCOMPARE(f.form.searchState().ForwardCount, forwardCount);
        QCOMPARE(f.toolButton(1)->isEnabled(), backEnabled);
        QCOMPARE(f.toolButton(2)->isEnabled(), forwardEnabled);
    }

    void failingBrowserIsReportedAndLeavesTheCounters()
    {
        SearchFixture f(QStringLiteral("k"));
        f.browser->failNext = true;
        f.searchButton()->click();
        QCOMPARE(f.dialogs.errors, QStringList{"The browser refused: navigate http://127.0.0.1/a?q=k"});
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Sorvanta v.3"));
        QVERIFY(!QFile::exists(f.keywordLogPath()));

        f.searchButton()->click();
        f.searchButton()->click();
        f.browser->failNext = true;
        f.toolButton(1)->trigger();
        QCOMPARE(f.dialogs.errors.size(), 2);
        QCOMPARE(f.form.searchState().BackCount, 2);
        QCOMPARE(f.form.searchState().ForwardCount, 1);
        QVERIFY(f.toolButton(1)->isEnabled());
        QVERIFY(!f.toolButton(2)->isEnabled());
    }

    void unwritableKeywordLogIsReportedAfterThePageWasRequested()
    {
        SearchFixture f(QStringLiteral("k"));
        QVERIFY(QDir().mkdir(f.keywordLogPath()));
        f.searchButton()->click();
        QCOMPARE(f.browser->navigations(), QStringList{"http://127.0.0.1/a?q=k"});
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Sorvanta v.3 - k"));
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY2(f.dialogs.errors[0].contains(f.keywordLogPath()), qPrintable(f.dialogs.errors[0]));
        QCOMPARE(f.form.searchState().BackCount, 0);
        QVERIFY(f.form.isVisible());
    }

    void launchesGoThroughTheDesktop()
    {
        SearchFixture f;
        f.toolButton(6)->trigger();
        f.toolButton(12)->trigger();
#ifdef Q_OS_WIN
        QCOMPARE(f.shell.programs, QStringList{f.path("Tamrin.exe")});
#else
        QCOMPARE(f.shell.programs, QStringList{f.path("Tamrin")});
#endif
        QCOMPARE(f.shell.webAddresses, QStringList{"http://www.example.com/"});
        QVERIFY(f.browser->requests.isEmpty());
    }
};

QTEST_MAIN(MainWindowSearchTest)
#include "MainWindowSearchTest.moc"
