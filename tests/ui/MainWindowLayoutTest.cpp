#include "MainWindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

using sorvanta::TForm1;

namespace {

// A shown window with no settings file, laid out at its first size.
struct LayoutFixture : MainWindowFixture {
    TForm1& form;

    LayoutFixture() : form(startShown())
    {
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }

    // Where a control of the window stands, in the window's client coordinates.
    QRect placeOf(const char* name) const
    {
        const QWidget* control = find<QWidget>(name);
        return QRect(control->mapTo(&form, QPoint(0, 0)), control->size());
    }

    // Where a control stands inside its parent panel.
    QRect placeInPanel(const char* name) const { return find<QWidget>(name)->geometry(); }
};

void addRegionColumns()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
}

}  // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void regionsStackAsLaidOut_data()
    {
        addRegionColumns();
        QTest::newRow("tool bar") << "ToolBar1" << QRect(0, 0, 797, 29);
        QTest::newRow("keyword panel") << "Panel1" << QRect(0, 29, 797, 38);
        QTest::newRow("tab bar") << "TabBarDock" << QRect(0, 67, 797, 23);
        QTest::newRow("tabs after the margin") << "TabBar" << QRect(6, 67, 791, 23);
        QTest::newRow("statistics panel") << "Panel2" << QRect(0, 90, 161, 445);
        QTest::newRow("browser") << "WebBrowser1" << QRect(161, 90, 636, 445);
    }
    void regionsStackAsLaidOut()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        LayoutFixture f;
        QCOMPARE(f.form.size(), QSize(797, 535));
        QCOMPARE(f.placeOf(control.toLatin1().constData()), place);
    }

    void controlsSitInTheirPanels_data()
    {
        addRegionColumns();
        QTest::newRow("Search button") << "Button_Search" << QRect(434, 7, 144, 22);
        QTest::newRow("view label") << "Label_Searched" << QRect(6, 8, 147, 13);
        QTest::newRow("statistics list") << "KeywordsSorted" << QRect(8, 24, 145, 409);
    }
    void controlsSitInTheirPanels()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        LayoutFixture f;
        QCOMPARE(f.placeInPanel(control.toLatin1().constData()), place);
    }

    // The desktop's font may be wider than the classic one: texts still show whole.
    void captionsBesideTheFieldFitTheirText()
    {
        LayoutFixture f;
        const QWidget* box = f.find<QWidget>("CB_TabBarPosition");
        QVERIFY(box->width() >= std::max(161, box->sizeHint().width()));
        QVERIFY(box->x() <= 616);
        QVERIFY(box->geometry().right() < 777);
        QVERIFY(box->x() > f.placeInPanel("Button_Search").right());

        const QWidget* field = f.find<QWidget>("LE_KeywordsSearch");
        const QWidget* label = f.find<QWidget>("Panel1")->findChild<QLabel*>();
        QCOMPARE(label->geometry().right() + 1 + 10, field->x());
        QVERIFY(label->x() >= 10);
        QVERIFY(label->width() >= std::max(92, label->sizeHint().width()));
        QVERIFY(qAbs(label->geometry().center().y() - field->geometry().center().y()) <= 1);
        QCOMPARE(field->y(), 9);
        QCOMPARE(field->height(), 19);
        QVERIFY(field->x() >= 112);
        QCOMPARE(field->geometry().right(), 112 + 285 - 1);
    }

    void checkBoxDocksTheTabBarAtEitherEdge_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QRect>("tabBar");
        QTest::addColumn<QRect>("statistics");
        QTest::addColumn<QRect>("browser");
        QTest::addColumn<QTabBar::Shape>("shape");
        QTest::newRow("checked: bottom, opening upward")
            << 1 << QRect(0, 512, 797, 23) << QRect(0, 67, 161, 445) << QRect(161, 67, 636, 445)
            << QTabBar::RoundedSouth;
        QTest::newRow("unchecked again: under the keyword panel")
            << 2 << QRect(0, 67, 797, 23) << QRect(0, 90, 161, 445) << QRect(161, 90, 636, 445)
            << QTabBar::RoundedNorth;
    }
    void checkBoxDocksTheTabBarAtEitherEdge()
    {
        QFETCH(int, clicks);
        QFETCH(QRect, tabBar);
        QFETCH(QRect, statistics);
        QFETCH(QRect, browser);
        QFETCH(QTabBar::Shape, shape);
        LayoutFixture f;
        auto* box = f.find<QCheckBox>("CB_TabBarPosition");
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(box, Qt::LeftButton);
        f.settle();
        QCOMPARE(box->isChecked(), clicks % 2 == 1);
        QCOMPARE(f.placeOf("TabBarDock"), tabBar);
        QCOMPARE(f.placeOf("Panel2"), statistics);
        QCOMPARE(f.placeOf("WebBrowser1"), browser);
        QCOMPARE(f.find<QTabBar>("TabBar")->shape(), shape);
    }

    void resizingGrowsTheBrowserAndTheList()
    {
        LayoutFixture f;
        f.form.resize(900, 600);
        f.settle();
        QCOMPARE(f.placeOf("Panel1"), QRect(0, 29, 900, 38));
        QCOMPARE(f.placeOf("TabBarDock"), QRect(0, 67, 900, 23));
        QCOMPARE(f.placeOf("Panel2"), QRect(0, 90, 161, 510));
        QCOMPARE(f.placeOf("WebBrowser1"), QRect(161, 90, 739, 510));
        QCOMPARE(f.placeInPanel("KeywordsSorted"), QRect(8, 24, 145, 474));
        QCOMPARE(f.placeInPanel("Button_Search"), QRect(434, 7, 144, 22));
    }

    void hiddenControlsStayHidden()
    {
        LayoutFixture f;
        QVERIFY(!f.toolButton(5)->isVisible());
        QVERIFY(!f.find<QToolBar>("ToolBar1")->widgetForAction(f.toolButton(5))->isVisible());
        QVERIFY(!f.find<QAction>("DeleteTab1")->isVisible());
        QVERIFY(f.find<QAction>("AddTab1")->isVisible());
    }

    void everyControlHasASpokenName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("keyword field") << "LE_KeywordsSearch" << "Keyword(s) Search:";
        QTest::newRow("Search button") << "Button_Search" << "Search Keyword(s)";
        QTest::newRow("position box") << "CB_TabBarPosition" << "Tab Bar Position = Bottom";
        QTest::newRow("tab bar") << "TabBarDock" << "Search engines";
        QTest::newRow("list") << "KeywordsSorted" << "Keyword statistics";
        QTest::newRow("view label") << "Label_Searched" << "4. Keywords - Alphabetical ";
        QTest::newRow("Back") << "ToolButton1" << "Back";
        QTest::newRow("Forward") << "ToolButton2" << "Forward";
        QTest::newRow("Refresh") << "ToolButton3" << "Refresh";
        QTest::newRow("Stop") << "ToolButton4" << "Stop";
        QTest::newRow("New Application") << "ToolButton6" << "New Application";
        QTest::newRow("on-line") << "ToolButton12" << "Orvel CORP. - ONLINE";
    }
    void everyControlHasASpokenName()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        LayoutFixture f;
        QWidget* widget = f.window->findChild<QWidget*>(control);
        if (widget == nullptr)
            widget = f.find<QToolBar>("ToolBar1")->widgetForAction(f.find<QAction>(control.toLatin1().constData()));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(spoken != nullptr);
        QCOMPARE(spoken->text(QAccessible::Name), name);
        if (control.startsWith(QLatin1String("ToolButton")))
            QCOMPARE(widget->toolTip(), name);
    }

    void keyboardOrderStartsAtTheBrowser()
    {
        LayoutFixture f;
        QStringList order;
        for (QWidget* w = f.form.nextInFocusChain(); w != &f.form; w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&f.form) && w->window() == &f.form)
                order << w->objectName();
        }
        QCOMPARE(order, (QStringList{"WebBrowser1", "LE_KeywordsSearch", "Button_Search", "CB_TabBarPosition",
                                     "KeywordsSorted"}));
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : f.form.focusWidget()->objectName(),
                 QStringLiteral("LE_KeywordsSearch"));
    }

    void windowUsesEightPointText()
    {
        LayoutFixture f;
        QCOMPARE(f.form.font().pointSize(), 8);
        QCOMPARE(f.find<QWidget>("KeywordsSorted")->palette().color(QPalette::Text), QColor(0, 89, 179));
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
