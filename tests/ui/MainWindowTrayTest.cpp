#include "MainWindowFixture.h"
#include "QuickKeywordLabel.h"
#include "TrayIconControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>

using sorvanta::QuickKeywordLabel;
using sorvanta::TForm1;
using sorvanta::TrayIconControl;

namespace {

// A shown window with the three engines behind it.
struct TrayFixture : MainWindowFixture {
    TForm1& form;

    TrayFixture() : form((writeThreeEngines(), startShown())) {}

    TrayIconControl* tray() const { return find<TrayIconControl>("TrayIcon"); }
    QSystemTrayIcon* trayIcon() const { return tray()->findChild<QSystemTrayIcon*>(); }
    QLineEdit* field() const { return find<QLineEdit>("LE_KeywordsSearch"); }
    QAction* menuItem(const char* name) const { return find<QAction>(name); }

    QString settings() const { return QString::fromUtf8(readFile(settingsPath())); }

    // A label as no user ever sees it: shown and enabled.
    QuickKeywordLabel* shownLabel(const char* name) const
    {
        auto* label = find<QuickKeywordLabel>(name);
        label->show();
        label->setEnabled(true);
        return label;
    }
};

}  // namespace

class MainWindowTrayTest : public QObject {
    Q_OBJECT
private slots:
    void trayHintFollowsTheCaption()
    {
        TrayFixture f;
        QCOMPARE(f.tray()->hint(), QStringLiteral("Sorvanta v.3"));
        QVERIFY(!f.trayIcon()->icon().isNull());

        f.field()->setText(QStringLiteral("pipes a|b"));
        QTest::keyClick(f.field(), Qt::Key_Return);
        QCOMPARE(f.tray()->hint(), QStringLiteral("Sorvanta v.3 - pipes a|b"));
        QCOMPARE(f.trayIcon()->toolTip(), QStringLiteral("Sorvanta v.3 - pipes a"));
    }

    void trayMenuStartsTamrinBesideTheProgram()
    {
        TrayFixture f;
        QMenu* menu = f.trayIcon()->contextMenu();
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->objectName(), QStringLiteral("TrayMenu"));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QStringLiteral("New Application"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QStringLiteral("Exit"));
        QVERIFY(!items[0]->icon().isNull());
        QVERIFY(!items[2]->icon().isNull());
        QVERIFY(menu->defaultAction() == nullptr);

        f.menuItem("NewApplication2")->trigger();
#ifdef Q_OS_WIN
        QCOMPARE(f.shell.programs, QStringList{f.path("Tamrin.exe")});
#else
        QCOMPARE(f.shell.programs, QStringList{f.path("Tamrin")});
#endif
        QVERIFY(f.form.isVisible());
    }

    void exitSavesTheSettingsLikeClosing_data()
    {
        QTest::addColumn<bool>("hiddenInTray");
        QTest::newRow("window shown") << false;
        QTest::newRow("window hidden in the tray") << true;
    }
    void exitSavesTheSettingsLikeClosing()
    {
        QFETCH(bool, hiddenInTray);
        TrayFixture f;
        QVERIFY(f.form.appendTab(QStringLiteral("Delta"), QStringLiteral("http://127.0.0.1/d?q=TEST")));
        f.find<QCheckBox>("CB_TabBarPosition")->click();
        if (hiddenInTray)
            f.tray()->hideToTray();

        f.menuItem("Exit2")->trigger();

        QVERIFY(f.dialogs.errors.isEmpty());
        QVERIFY(!f.form.isVisible());
        const QString settings = f.settings();
        for (const char* line : {"#_tabs=4\r\n", "tabs_bottom=1\r\n", "tab_name_1=Alpha\r\n",
                                 "tab_name_4=Delta\r\n", "tab_address_4=http://127.0.0.1/d?q=TEST\r\n"})
            QVERIFY2(settings.contains(QLatin1String(line)), qPrintable(settings));
    }

    void exitWithAFailingSaveKeepsTheProgramRunning()
    {
        TrayFixture f;
        QVERIFY(QFile::remove(f.settingsPath()));
        QVERIFY(QDir().mkdir(f.settingsPath()));

        f.menuItem("Exit2")->trigger();

        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY2(f.dialogs.errors[0].contains(f.settingsPath()), qPrintable(f.dialogs.errors[0]));
        QVERIFY(f.form.isVisible());
    }

    void quickKeywordsStartHiddenAndDisabledInTheStatisticsPanel()
    {
        TrayFixture f;
        const QWidget* panel = f.find<QWidget>("Panel2");
        for (int row = 0; row < 10; ++row) {
            const QByteArray name = QStringLiteral("L_%1").arg(row + 1, 2, 10, QChar(u'0')).toLatin1();
            const auto* label = f.find<QuickKeywordLabel>(name.constData());
            QCOMPARE(label->parentWidget(), panel);
            QCOMPARE(label->pos(), QPoint(16, 24 + 16 * row));
            QVERIFY(!label->isVisible());
            QVERIFY(!label->isEnabled());
        }
    }

    void shownQuickKeywordLooksLikeALink()
    {
        TrayFixture f;
        QuickKeywordLabel* label = f.shownLabel("L_04");
        QEnterEvent enter(QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)), label->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(label, &enter);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 128, 64));
        QVERIFY(label->font().underline());
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 89, 179));
        QVERIFY(!label->font().underline());
        QVERIFY(!label->testAttribute(Qt::WA_SetCursor));
    }

    void clickOnAQuickKeywordReplacesTheFieldAndSearches_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("address");
        QTest::newRow("one word") << "L_02" << "300" << "http://127.0.0.1/a?q=300";
        QTest::newRow("blanks become plus signs")
            << "L_10" << "Stomp the Yard" << "http://127.0.0.1/a?q=Stomp+the+Yard";
    }
    void clickOnAQuickKeywordReplacesTheFieldAndSearches()
    {
        QFETCH(QString, label);
        QFETCH(QString, keyword);
        QFETCH(QString, address);
        TrayFixture f;
        f.field()->setText(QStringLiteral("older words"));

        QTest::mouseClick(f.shownLabel(label.toLatin1().constData()), Qt::LeftButton, {}, QPoint(3, 3));

        QCOMPARE(f.field()->text(), keyword);
        QCOMPARE(f.browser->navigations(), QStringList{address});
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Sorvanta v.3 - ") + keyword);
        QCOMPARE(f.tray()->hint(), f.form.windowTitle());
        QVERIFY(QString::fromUtf8(f.readFile(f.keywordLogPath())).contains(keyword));
        QVERIFY(f.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(MainWindowTrayTest)
#include "MainWindowTrayTest.moc"
