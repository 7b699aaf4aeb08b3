#include "MainWindowFixture.h"
#include "Unit2.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using sorvanta::TForm1;
using sorvanta::TForm_AddTab;

namespace {

struct TabsFixture : MainWindowFixture {
    TForm_AddTab* dialog() const { return find<TForm_AddTab>("Form_AddTab"); }
    QLineEdit* dialogField(const char* name) const { return dialog()->findChild<QLineEdit*>(QLatin1String(name)); }
    QPushButton* dialogButton(const char* name) const
    {
        return dialog()->findChild<QPushButton*>(QLatin1String(name));
    }

    QStringList captions() const
    {
        QStringList texts;
        for (int i = 0; i < tabBar()->count(); ++i)
            texts << tabBar()->tabText(i);
        return texts;
    }

    void closeTab(int index) const
    {
        QTest::mouseClick(tabBar()->tabButton(index, QTabBar::LeftSide), Qt::LeftButton);
    }

    void search(const QString& keywords) const
    {
        find<QLineEdit>("LE_KeywordsSearch")->setText(keywords);
        find<QPushButton>("Button_Search")->click();
    }

    void addTab(const QString& caption, const QString& address) const
    {
        dialogField("LE_TabName")->setText(caption);
        dialogField("LE_Address")->setText(address);
        QTest::mouseClick(dialogButton("Button_OK"), Qt::LeftButton);
    }

    QList<std::pair<QString, QString>> engines(int count) const
    {
        QList<std::pair<QString, QString>> tabs;
        for (int n = 1; n <= count; ++n)
            tabs.append({QStringLiteral("E%1").arg(n), QStringLiteral("http://127.0.0.1/%1?q=TEST").arg(n)});
        return tabs;
    }
};

}  // namespace

class TabsAndSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void startWithoutSettingsSaysSoAndSavesAnEmptyTable()
    {
        TabsFixture f;
        TForm1& form = f.startActive();
        QCOMPARE(f.dialogs.informations, QStringList{"You have no TABS configured !"});
        QCOMPARE(form.TabCount(), 0);
        QCOMPARE(f.tabBar()->count(), 0);
        QVERIFY(!f.find<QCheckBox>("CB_TabBarPosition")->isChecked());
        QCOMPARE(f.tabBar()->shape(), QTabBar::RoundedNorth);

        QVERIFY(form.close());
        QCOMPARE(f.readFile(f.settingsPath()), QByteArray("[Tamrin SETTINGS]\r\n#_tabs=0\r\ntabs_bottom=0\r\n"));
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void pressOnAnEmptyBarDoesNothing()
    {
        TabsFixture f;
        f.startActive();
        f.find<QLineEdit>("LE_KeywordsSearch")->setText(QStringLiteral("k"));
        QTest::mouseClick(f.tabBar(), Qt::LeftButton, {}, QPoint(100, 10));
        QVERIFY(f.browser->requests.isEmpty());
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void pressOnTheEmptyPartSearchesAgainWithTheSelectedTab()
    {
        TabsFixture f;
        f.writeThreeEngines();
        f.startActive();
        f.find<QLineEdit>("LE_KeywordsSearch")->setText(QStringLiteral("k"));
        f.pressTab(1);
        QTest::mouseClick(f.tabBar(), Qt::LeftButton, {}, QPoint(f.tabBar()->width() - 5, 10));
        QTest::mouseClick(f.find<QWidget>("TabBarDock"), Qt::LeftButton, {}, QPoint(2, 10));
        QCOMPARE(f.browser->navigations(), QStringList(3, "http://127.0.0.1/b?q=k"));
        QCOMPARE(f.tabBar()->currentIndex(), 1);
    }

    void settingsComeBackAfterAClose()
    {
        TabsFixture f;
        f.writeSettings({{QStringLiteral("A&B"), QStringLiteral("http://127.0.0.1/ab?q=TEST")},
                         {QStringLiteral("Two"), QStringLiteral("http://127.0.0.1/two?q=TEST")}},
                        true);
        TForm1& form = f.startActive();
        QVERIFY(f.dialogs.informations.isEmpty());
        QVERIFY(f.find<QCheckBox>("CB_TabBarPosition")->isChecked());
        QCOMPARE(f.tabBar()->shape(), QTabBar::RoundedSouth);
        QCOMPARE(f.captions(), (QStringList{"A&&B", "Two"}));  // shown as typed, not as a shortcut
        f.addTab(QStringLiteral("Three"), QStringLiteral("http://127.0.0.1/three?q=TEST"));
        QVERIFY(form.close());

        TabsFixture again;
        MainWindowFixture::writeFile(again.settingsPath(), MainWindowFixture::readFile(f.settingsPath()));
        TForm1& next = again.startActive();
        QCOMPARE(next.TabCount(), 3);
        QCOMPARE(again.captions(), (QStringList{"A&&B", "Two", "Three"}));
        QCOMPARE(again.tabBar()->shape(), QTabBar::RoundedSouth);
        again.pressTab(2);
        again.search(QStringLiteral("k"));
        QCOMPARE(again.browser->navigations(), QStringList{"http://127.0.0.1/three?q=k"});
    }

    void unwritableSettingsKeepTheWindowOpen()
    {
        TabsFixture f;
        QVERIFY(QDir().mkdir(f.settingsPath()));
        TForm1& form = f.startActive();
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY2(f.dialogs.errors[0].startsWith("Unable to write to " + f.settingsPath()),
                 qPrintable(f.dialogs.errors[0]));
    }

    void addTabMenuShowsTheDialogUntilCancel()
    {
        TabsFixture f;
        TForm1& form = f.startActive();
        bool seenModal = false;
        QTimer::singleShot(0, &form, [&] {
            seenModal = f.dialog()->isVisible() && f.dialog()->isModal();
            f.addTab(QStringLiteral("Local"), QStringLiteral("http://127.0.0.1/s?q=TEST"));
            QTest::mouseClick(f.dialogButton("Button_OK"), Qt::LeftButton);
            QTest::mouseClick(f.dialogButton("Button_Cancel"), Qt::LeftButton);
        });
        f.find<QAction>("AddTab1")->trigger();

        QVERIFY(seenModal);
        QVERIFY(!f.dialog()->isVisible());
        QCOMPARE(f.captions(), (QStringList{"Local", "Local"}));
        QCOMPARE(form.searchState().TabAddresses[0], QStringLiteral("http://127.0.0.1/s?q=TEST"));
        QCOMPARE(form.searchState().TabAddresses[1], QStringLiteral("http://127.0.0.1/s?q=TEST"));
        QCOMPARE(f.tabBar()->currentIndex(), 0);
        QVERIFY(f.browser->requests.isEmpty());
        // Shown again, it keeps the texts of its last use.
        QCOMPARE(f.dialogField("LE_TabName")->text(), QStringLiteral("Local"));

        f.search(QStringLiteral("k"));
        QCOMPARE(f.browser->navigations(), QStringList{"http://127.0.0.1/s?q=k"});
    }

    void okStopsAtThirtyTabs_data()
    {
        QTest::addColumn<int>("startTabs");
        QTest::addColumn<int>("tabsAfterTwoOks");
        QTest::addColumn<int>("refusals");
        QTest::newRow("28: both fit") << 28 << 30 << 0;
        QTest::newRow("29: the second is refused") << 29 << 30 << 1;
        QTest::newRow("30: both are refused") << 30 << 30 << 2;
    }
    void okStopsAtThirtyTabs()
    {
        QFETCH(int, startTabs);
        QFETCH(int, tabsAfterTwoOks);
        QFETCH(int, refusals);
        TabsFixture f;
        f.writeSettings(f.engines(startTabs));
        TForm1& form = f.startActive();
        f.addTab(QStringLiteral("More"), QStringLiteral("http://127.0.0.1/more?q=TEST"));
        QTest::mouseClick(f.dialogButton("Button_OK"), Qt::LeftButton);
        QCOMPARE(form.TabCount(), tabsAfterTwoOks);
        QCOMPARE(f.tabBar()->count(), tabsAfterTwoOks);
        QCOMPARE(f.dialogs.informations.size(), refusals);
        if (refusals > 0)
            QCOMPARE(f.dialogs.informations[0], QStringLiteral("The maximum of 30 tabs is reached."));
    }

    void dialogIsLaidOutAndTakesNoEnterOrEscape()
    {
        TabsFixture f;
        f.startActive();
        TForm_AddTab* dialog = f.dialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Tab [max = 30]"));
        QCOMPARE(dialog->pos(), QPoint(488, 201));
        QCOMPARE(dialog->minimumSize(), QSize(515, 216));
        QCOMPARE(dialog->maximumSize(), QSize(515, 216));
        QCOMPARE(f.dialogField("LE_Address")->geometry(), QRect(64, 40, 435, 19));
        QCOMPARE(f.dialogButton("Button_StartIE")->geometry(), QRect(424, 8, 75, 19));
        auto* note = dialog->findChild<QTextBrowser*>(QStringLiteral("Note"));
        QVERIFY(note->toPlainText().contains("http://www.example.com/search?tb=example&query=TEST"));
        QVERIFY(!note->openLinks());
        QVERIFY(!note->openExternalLinks());

        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget(), f.dialogField("LE_TabName"));
        QTest::keyClick(f.dialogField("LE_TabName"), Qt::Key_Return);
        QTest::keyClick(f.dialogField("LE_TabName"), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(f.tabBar()->count(), 0);

        QTest::mouseClick(f.dialogButton("Button_StartIE"), Qt::LeftButton);
        QCOMPARE(f.shell.browserStarts, 1);
        QVERIFY(dialog->isVisible());
        dialog->close();
        QVERIFY(!dialog->isVisible());
    }

    void movedTabsKeepTheirEngines()
    {
        TabsFixture f;
        f.writeThreeEngines();
        f.startActive();
        // Drag Alpha over Beta and Gamma to the end of the row; the press chose Alpha.
        const QPoint from = f.tabBar()->tabRect(0).center();
        const QPoint to = f.tabBar()->tabRect(2).center() + QPoint(5, 0);
        QTest::mousePress(f.tabBar(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(f.tabBar(), from + (to - from) * step / 10);
        QTest::mouseRelease(f.tabBar(), Qt::LeftButton, {}, to);
        QTRY_COMPARE(f.captions(), (QStringList{"Beta", "Gamma", "Alpha"}));

        QVERIFY(f.browser->requests.isEmpty());
        f.search(QStringLiteral("k"));
        f.pressTab(0);
        QCOMPARE(f.browser->navigations(), (QStringList{"http://127.0.0.1/a?q=k", "http://127.0.0.1/b?q=k"}));
    }

    void closedTabsTakeTheirEnginesAlong()
    {
        TabsFixture f;
        f.writeThreeEngines();
        TForm1& form = f.startActive();
        f.pressTab(1);
        f.browser->requests.clear();

        f.closeTab(1);  // the selected Beta: Gamma to its right takes over
        QCOMPARE(f.captions(), (QStringList{"Alpha", "Gamma"}));
        QCOMPARE(f.tabBar()->currentIndex(), 1);
        QVERIFY(f.browser->requests.isEmpty());
        f.search(QStringLiteral("k"));

        f.closeTab(0);  // an unselected tab: Gamma stays selected
        QCOMPARE(f.captions(), QStringList{"Gamma"});
        f.search(QStringLiteral("j"));
        QCOMPARE(f.browser->navigations(), (QStringList{"http://127.0.0.1/c?q=k", "http://127.0.0.1/c?q=j"}));

        QVERIFY(form.close());
        const QByteArray saved = f.readFile(f.settingsPath());
        QVERIFY2(saved.contains("#_tabs=1\r\n") && saved.contains("tab_name_1=Gamma\r\ntab_address_1=http://127.0.0.1/c?q=TEST"),
                 saved.constData());
    }

    void rightClickOffersTheMenuAndKeepsTheSelection()
    {
        TabsFixture f;
        f.writeThreeEngines();
        f.startActive();
        auto* menu = f.find<QMenu>("TabBar_Menu");
        const QPoint onTab = f.tabBar()->tabRect(2).center();
        QTest::mousePress(f.tabBar(), Qt::RightButton, {}, onTab);
        QContextMenuEvent request(QContextMenuEvent::Mouse, onTab, f.tabBar()->mapToGlobal(onTab));
        QApplication::sendEvent(f.tabBar(), &request);
        QTest::mouseRelease(f.tabBar(), Qt::RightButton, {}, onTab);
        QVERIFY(menu->isVisible());
        QCOMPARE(f.tabBar()->currentIndex(), 0);
        QVERIFY(f.browser->requests.isEmpty());
        menu->close();
    }
};

QTEST_MAIN(TabsAndSettingsTest)
#include "TabsAndSettingsTest.moc"
