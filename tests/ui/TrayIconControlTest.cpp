#include "TrayIconControl.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

using sorvanta::TrayIconControl;

namespace {

// A shown main window with its tray icon; `trayPresent` plays the desktop's tray.
struct TrayFixture {
    bool trayPresent = true;
    QWidget window;
    std::unique_ptr<TrayIconControl> tray;

    TrayFixture()
    {
        QPixmap picture(32, 32);
        picture.fill(Qt::blue);
        window.setWindowIcon(QIcon(picture));
        window.setWindowTitle("Sorvanta v.3 - weather");
        window.resize(300, 200);
        tray = std::make_unique<TrayIconControl>(window, [this] { return trayPresent; });
        window.show();
    }

    QSystemTrayIcon* icon() { return tray->findChild<QSystemTrayIcon*>(); }
    QTimer* pendingClick() { return tray->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly); }
    void click(QSystemTrayIcon::ActivationReason reason) { emit icon()->activated(reason); }
};

}  // namespace

class TrayIconControlTest : public QObject {
    Q_OBJECT
private slots:
    void tooltipIsTheHintUpToTheBarCutToTheTrayLimit_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("plain") << "Sorvanta v.3" << "Sorvanta v.3";
        QTest::newRow("cut at the first bar") << "Sorvanta v.3 - a|b|c" << "Sorvanta v.3 - a";
        QTest::newRow("bar first") << "|long part" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("exactly the limit") << QString(127, 'k') << QString(127, 'k');
        QTest::newRow("one past the limit") << QString(128, 'k') << QString(127, 'k');
        QTest::newRow("long before the bar")
            << QString(200, 'k') + "|tail" << QString(127, 'k');
    }
    void tooltipIsTheHintUpToTheBarCutToTheTrayLimit()
    {
        QFETCH(QString, hint);
        QFETCH(QString, tooltip);
        QCOMPARE(TrayIconControl::tooltipForHint(hint), tooltip);

        TrayFixture f;
        f.tray->setHint(hint);
        QCOMPARE(f.tray->hint(), hint);
        QCOMPARE(f.icon()->toolTip(), tooltip);
    }

    void iconShowsTheProgramIconAndStartsWithTheProgramName()
    {
        TrayFixture f;
        QVERIFY(!f.icon()->icon().isNull());
        QCOMPARE(f.icon()->icon().cacheKey(), f.window.windowIcon().cacheKey());
        QCOMPARE(f.icon()->toolTip(), QString("Sorvanta"));
    }

    void singleClickHidesAfterTheDoubleClickIntervalAndTheNextOneRestores()
    {
        TrayFixture f;
        f.click(QSystemTrayIcon::Trigger);
        // Nothing yet: the click might still become a double click.
        QVERIFY(f.window.isVisible());
        QVERIFY(f.pendingClick()->isActive());
        QCOMPARE(f.pendingClick()->interval(), QApplication::doubleClickInterval());
        QTRY_VERIFY(!f.window.isVisible());

        f.click(QSystemTrayIcon::Trigger);
        QVERIFY(!f.window.isVisible());
        QTRY_VERIFY(f.window.isVisible());
        QVERIFY(!f.window.isMinimized());
        QCOMPARE(f.window.windowTitle(), QString("Sorvanta v.3 - weather"));
    }

    void doubleClickCancelsThePendingSingleClick_data()
    {
        QTest::addColumn<bool>("startHidden");
        QTest::newRow("shown") << false;
        QTest::newRow("hidden") << true;
    }
    void doubleClickCancelsThePendingSingleClick()
    {
        QFETCH(bool, startHidden);
        TrayFixture f;
        if (startHidden)
            f.tray->hideToTray();
        f.click(QSystemTrayIcon::Trigger);
        f.click(QSystemTrayIcon::DoubleClick);
        QVERIFY(!f.pendingClick()->isActive());
        QCOMPARE(f.window.isVisible(), !startHidden);
    }

    void contextClickLeavesTheWindowAlone()
    {
        TrayFixture f;
        f.click(QSystemTrayIcon::Context);
        QVERIFY(!f.pendingClick()->isActive());
        QVERIFY(f.window.isVisible());
    }

    void minimisingHidesToTheTrayAndAClickBringsItBack()
    {
        TrayFixture f;
        f.window.showMaximized();
        f.window.showMinimized();
        QTRY_VERIFY(!f.window.isVisible());
        QVERIFY(!f.tray->windowShown());

        f.click(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(f.window.isVisible());
        QVERIFY(!f.window.isMinimized());
        // The window comes back as it was before minimising.
        QVERIFY(f.window.isMaximized());
    }

    void withoutATrayMinimisingLeavesANormalMinimisedWindow()
    {
        TrayFixture f;
        f.trayPresent = false;
        f.window.showMinimized();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(f.window.isVisible());
        QVERIFY(f.window.isMinimized());
    }
};

QTEST_MAIN(TrayIconControlTest)
#include "TrayIconControlTest.moc"
