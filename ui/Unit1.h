#pragma once

#include "AppSequence.h"
#include "ErrorBoundary.h"
#include "ListOrder.h"
#include "MainWindowServices.h"
#include "SearchState.h"
#include "StatisticsView.h"
#include "TabTable.h"

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QSessionManager;
class QVBoxLayout;

namespace sorvanta {

class ClickableLabel;
class FlatToolBar;
class KeywordList;
class QuickKeywordLabel;
class SearchTabBar;
class TForm_AddTab;
class TrayIconControl;
class WebView;

// The main window: tool bar, keyword panel, tab bar, statistics panel and the
// embedded browser. Its handlers read the widgets, call the core and write the
// widgets back; every handler runs inside the error boundary.
class TForm1 : public QMainWindow, public WindowSide {
    Q_OBJECT
public:
    explicit TForm1(const MainWindowServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    const SearchState& searchState() const { return state_; }

    // The tab table as the Add Tab dialog uses it.
    int TabCount() const { return tabs_.TabCount(); }
    // Appends a tab at the right end; false when the table is full.
    bool appendTab(const QString& caption, const QString& address);

    // The start-up, search and shutdown sequences call these.
    void SetCaption(const QString& text) override;
    void SetAppTitle(const QString& text) override;
    void setTrayHint(const QString& text) override;
    void Label_SearchedClick() override;
    void LoadSettings() override;
    void SaveSettings() override;
    void reportError(const QString& message) override;
    void navigate(const QString& address) override;
    void RecordKeyword(const QString& keyword) override;
    void UpdateNavButtons() override;

    void ShowKeywordList();
    void ApplyTabBarPosition();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void adoptBrowser();
    void buildToolBar();
    void buildKeywordPanel();
    void buildTabBar();
    void buildStatisticsPanel();
    void buildQuickKeywords();
    void buildTray();
    void arrangeRegions();
    void setKeyboardOrder();
    void placeOnDesktop();
    void FormCreate();
    void FormClose();
    void commitSession(QSessionManager& manager);

    void Button_SearchClick();
    void FormKeyDown(int key);
    void LE_KeywordsSearchChange();
    void TabBarClick();
    void KeywordsSortedClick();
    void CB_TabBarPositionClick();
    void AddTab1Click();
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void ToolButton4Click();
    void ToolButton6Click();
    void ToolButton12Click();
    void NewApplication2Click();
    void Exit2Click();
    void quickKeywordClick(const QString& caption);

    MainWindowServices services_;
    ErrorBoundary boundary_;
    SearchState state_;
    ListOrder order_;
    TabTable tabs_;
    StatisticsView view_;

    FlatToolBar* ToolBar1 = nullptr;
    QAction* ToolButton1 = nullptr;
    QAction* ToolButton2 = nullptr;
    QAction* ToolButton3 = nullptr;
    QAction* ToolButton4 = nullptr;
    QAction* ToolButton5 = nullptr;
    QAction* ToolButton6 = nullptr;
    QAction* ToolButton12 = nullptr;

    QVBoxLayout* regions_ = nullptr;  // keyword panel, tab bar, statistics and browser
    QFrame* Panel1 = nullptr;
    QLineEdit* LE_KeywordsSearch = nullptr;
    QPushButton* Button_Search = nullptr;
    QCheckBox* CB_TabBarPosition = nullptr;

    QWidget* TabBarDock = nullptr;  // the tab bar's strip, docked at the top or the bottom
    SearchTabBar* TabBar = nullptr;
    QMenu* TabBar_Menu = nullptr;
    QAction* AddTab1 = nullptr;
    QAction* DeleteTab1 = nullptr;

    QFrame* Panel2 = nullptr;
    ClickableLabel* Label_Searched = nullptr;
    KeywordList* KeywordsSorted = nullptr;
    std::array<QuickKeywordLabel*, 10> QuickKeywords{};  // L_01 to L_10, hidden and disabled

    WebView* WebBrowser1 = nullptr;

    TForm_AddTab* Form_AddTab = nullptr;

    TrayIconControl* TrayIcon = nullptr;
    QMenu* TrayMenu = nullptr;
    QAction* NewApplication2 = nullptr;
    QAction* Exit2 = nullptr;
};

}  // namespace sorvanta
