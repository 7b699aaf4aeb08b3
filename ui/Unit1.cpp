#include "Unit1.h"

#include "ClickableLabel.h"
#include "DesktopShell.h"
#include "EditLabel.h"
#include "FlatMenu.h"
#include "FlatToolBar.h"
#include "GradientButton.h"
#include "KeywordList.h"
#include "KeywordRecorder.h"
#include "MonthlyFiles.h"
#include "NavCounters.h"
#include "QuickKeywordLabel.h"
#include "SearchTabBar.h"
#include "Settings.h"
#include "TrayIconControl.h"
#include "UiResources.h"
#include "Unit2.h"
#include "UserDialogs.h"
#include "WebView.h"
#include "WindowFont.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSessionManager>
#include <QVBoxLayout>

#include <algorithm>

namespace sorvanta {

namespace {

constexpr QSize ClientSize{797, 535};
constexpr int KeywordPanelHeight = 38;
constexpr int StatisticsPanelWidth = 161;
constexpr int TabBarMargin = 6;
const QColor KeywordColour(0, 89, 179);

// New Application starts this file from the program's own directory.
#ifdef Q_OS_WIN
constexpr char16_t SecondCopyName[] = u"Tamrin.exe";
#else
constexpr char16_t SecondCopyName[] = u"Tamrin";
#endif

constexpr char16_t MakerSite[] = u"http://www.example.com/";

QFrame* raisedPanel(const QString& name)
{
    auto* panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

}  // namespace

TForm1::TForm1(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      boundary_(*services.dialogs, *this),
      tabs_(state_),
      view_(state_, order_)
{
    registerUiResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf16(kApplicationName));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setFont(windowFont());

    adoptBrowser();
    buildToolBar();
    buildKeywordPanel();
    buildTabBar();
    buildStatisticsPanel();
    buildQuickKeywords();
    arrangeRegions();
    setKeyboardOrder();
    resize(ClientSize);
    placeOnDesktop();
    // Key preview: Enter searches from whichever control has the focus.
    qApp->installEventFilter(this);
    // Ending the desktop session saves the settings as closing the window does.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TForm1::commitSession);
    buildTray();

    FormCreate();
    Form_AddTab = new TForm_AddTab(*this, *services_.dialogs, *services_.shell, this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::adoptBrowser()
{
    // Taken in first, so the browser leads the keyboard order.
    WebBrowser1 = services_.webView;
    WebBrowser1->setParent(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Web page"));
}

void TForm1::buildToolBar()
{
    ToolBar1 = new FlatToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setAccessibleName(QStringLiteral("Tool bar"));
    addToolBar(ToolBar1);

    ToolButton1 = ToolBar1->addButton(QStringLiteral(":/toolbar/back.svg"), QStringLiteral("Back"));
    ToolButton2 = ToolBar1->addButton(QStringLiteral(":/toolbar/forward.svg"), QStringLiteral("Forward"));
    ToolBar1->addSeparator();
    ToolButton3 = ToolBar1->addButton(QStringLiteral(":/toolbar/refresh.svg"), QStringLiteral("Refresh"));
    ToolButton4 = ToolBar1->addButton(QStringLiteral(":/toolbar/stop.svg"), QStringLiteral("Stop"));
    ToolBar1->addSeparator();
    ToolButton5 = ToolBar1->addButton(QStringLiteral(":/toolbar/search.svg"), QString());
    ToolButton6 = ToolBar1->addButton(QStringLiteral(":/toolbar/new.svg"), QStringLiteral("New Application"));
    ToolBar1->addSeparator();
    ToolButton12 = ToolBar1->addButton(QStringLiteral(":/toolbar/globe.svg"), QStringLiteral("Orvel CORP. - ONLINE"));

    ToolButton1->setObjectName(QStringLiteral("ToolButton1"));
    ToolButton2->setObjectName(QStringLiteral("ToolButton2"));
    ToolButton3->setObjectName(QStringLiteral("ToolButton3"));
    ToolButton4->setObjectName(QStringLiteral("ToolButton4"));
    ToolButton5->setObjectName(QStringLiteral("ToolButton5"));
    ToolButton6->setObjectName(QStringLiteral("ToolButton6"));
    ToolButton12->setObjectName(QStringLiteral("ToolButton12"));

    // Back and Forward wait for the first searches.
    ToolButton1->setEnabled(false);
    ToolButton2->setEnabled(false);
    ToolButton5->setVisible(false);

    boundary_.connect(ToolButton1, &QAction::triggered, this, &TForm1::ToolButton1Click);
    boundary_.connect(ToolButton2, &QAction::triggered, this, &TForm1::ToolButton2Click);
    boundary_.connect(ToolButton3, &QAction::triggered, this, &TForm1::ToolButton3Click);
    boundary_.connect(ToolButton4, &QAction::triggered, this, &TForm1::ToolButton4Click);
    boundary_.connect(ToolButton6, &QAction::triggered, this, &TForm1::ToolButton6Click);
    boundary_.connect(ToolButton12, &QAction::triggered, this, &TForm1::ToolButton12Click);
}

void TForm1::buildKeywordPanel()
{
    Panel1 = raisedPanel(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Keyword search"));
    Panel1->setFixedHeight(KeywordPanelHeight);

    LE_KeywordsSearch = new QLineEdit(Panel1);
    LE_KeywordsSearch->setObjectName(QStringLiteral("LE_KeywordsSearch"));
    LE_KeywordsSearch->setGeometry(112, 9, 285, 19);
    labelLeftOf(*LE_KeywordsSearch, QStringLiteral("Keyword(s) Search:"), 10, 92, 10);

    Button_Search = new GradientButton(QStringLiteral("Search Keyword(s)"),
                                       QIcon(QStringLiteral(":/buttons/search.svg")),
                                       GradientButton::green(), Panel1);
    Button_Search->setObjectName(QStringLiteral("Button_Search"));
    Button_Search->setGeometry(434, 7, 144, 22);
    // Enter is the window's, so a focused button must not take it a second time.
    Button_Search->setAutoDefault(false);
    Button_Search->setEnabled(false);

    CB_TabBarPosition = new QCheckBox(QStringLiteral("Tab Bar Position = Bottom"), Panel1);
    CB_TabBarPosition->setObjectName(QStringLiteral("CB_TabBarPosition"));
    // A wider desktop font widens the box leftward rather than cutting its caption.
    const QSize boxNeeds = CB_TabBarPosition->sizeHint();
    const int boxWidth = std::max(161, boxNeeds.width());
    const int boxHeight = std::max(17, boxNeeds.height());
    CB_TabBarPosition->setGeometry(std::min(616, 777 - boxWidth), 10 + (17 - boxHeight) / 2, boxWidth, boxHeight);

    boundary_.connect(LE_KeywordsSearch, &QLineEdit::textChanged, this, &TForm1::LE_KeywordsSearchChange);
    boundary_.connect(Button_Search, &QPushButton::clicked, this, &TForm1::Button_SearchClick);
    boundary_.connect(CB_TabBarPosition, &QCheckBox::clicked, this, &TForm1::CB_TabBarPositionClick);
}

void TForm1::buildTabBar()
{
    // The strip keeps a margin before the first tab and names the bar for screen
    // readers, which speak a tab bar by its selected tab alone.
    TabBarDock = new QWidget;
    TabBarDock->setObjectName(QStringLiteral("TabBarDock"));
    TabBarDock->setAccessibleName(QStringLiteral("Search engines"));
    TabBarDock->setAutoFillBackground(true);
    QPalette colours = TabBarDock->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    TabBarDock->setPalette(colours);
    TabBarDock->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* strip = new QHBoxLayout(TabBarDock);
    strip->setContentsMargins(TabBarMargin, 0, 0, 0);
    TabBar = new SearchTabBar(TabBarDock);
    TabBar->setObjectName(QStringLiteral("TabBar"));
    TabBar->setContextMenuPolicy(Qt::CustomContextMenu);
    strip->addWidget(TabBar);

    TabBar_Menu = new FlatMenu(this);
    TabBar_Menu->setObjectName(QStringLiteral("TabBar_Menu"));
    AddTab1 = TabBar_Menu->addAction(QIcon(QStringLiteral(":/menu/add.svg")), QStringLiteral("Add Tab"));
    AddTab1->setObjectName(QStringLiteral("AddTab1"));
    DeleteTab1 = TabBar_Menu->addAction(QIcon(QStringLiteral(":/menu/delete.svg")), QStringLiteral("Delete Tab"));
    DeleteTab1->setObjectName(QStringLiteral("DeleteTab1"));
    DeleteTab1->setVisible(false);

    for (QWidget* bar : {TabBarDock, static_cast<QWidget*>(TabBar)})
        connect(bar, &QWidget::customContextMenuRequested, this,
                [this, bar](const QPoint& at) { TabBar_Menu->popup(bar->mapToGlobal(at)); });
    boundary_.connect(TabBar, &SearchTabBar::pressed, this, &TForm1::TabBarClick);
    boundary_.connect(AddTab1, &QAction::triggered, this, &TForm1::AddTab1Click);
    // The address table follows the bar, so every tab keeps its own engine.
    connect(TabBar, &QTabBar::tabMoved, this,
            [this](int from, int to) { boundary_.run([&] { tabs_.move(from, to); }); });
    connect(TabBar, &SearchTabBar::tabClosed, this,
            [this](int index, int selectedAfter) { boundary_.run([&] { tabs_.close(index, selectedAfter); }); });
}

void TForm1::buildStatisticsPanel()
{
    Panel2 = raisedPanel(QStringLiteral("Panel2"));
    Panel2->setAccessibleName(QStringLiteral("Statistics"));
    Panel2->setFixedWidth(StatisticsPanelWidth);

    Label_Searched = new ClickableLabel(QStringLiteral("Keywords - Most Searched"), Panel2);
    Label_Searched->setObjectName(QStringLiteral("Label_Searched"));
    Label_Searched->setFixedHeight(13);

    KeywordsSorted = new KeywordList(Panel2);
    KeywordsSorted->setObjectName(QStringLiteral("KeywordsSorted"));
    KeywordsSorted->setAccessibleName(QStringLiteral("Keyword statistics"));
    QPalette colours = KeywordsSorted->palette();
    colours.setColor(QPalette::Base, Panel2->palette().color(QPalette::Window));
    colours.setColor(QPalette::Text, KeywordColour);
    KeywordsSorted->setPalette(colours);

    // Inside the 1 px bevel: the label at (6, 8), the list at (8, 24) down to
    // 12 px above the panel's bottom edge.
    auto* column = new QVBoxLayout(Panel2);
    column->setContentsMargins(5, 7, 7, 11);
    column->setSpacing(3);
    column->addWidget(Label_Searched);
    auto* indent = new QHBoxLayout;
    indent->setContentsMargins(2, 0, 0, 0);
    indent->addWidget(KeywordsSorted);
    column->addLayout(indent, 1);

    boundary_.connect(Label_Searched, &ClickableLabel::clicked, this, &TForm1::Label_SearchedClick);
    boundary_.connect(KeywordsSorted, &KeywordList::entryChosen, this, &TForm1::KeywordsSortedClick);
}

void TForm1::buildQuickKeywords()
{
    QuickKeywords = QuickKeywordLabel::createColumn(*Panel2);
    for (QuickKeywordLabel* label : QuickKeywords) {
        // Above the list that covers them, so a label that is ever shown takes its clicks.
        label->raise();
        connect(label, &QuickKeywordLabel::keywordClicked, this,
                [this](const QString& caption) { boundary_.run([&] { quickKeywordClick(caption); }); });
    }
}

void TForm1::buildTray()
{
    TrayIcon = new TrayIconControl(*this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));

    TrayMenu = new FlatMenu(this);
    TrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    NewApplication2 = TrayMenu->addAction(QIcon(QStringLiteral(":/toolbar/new.svg")), QStringLiteral("New Application"));
    NewApplication2->setObjectName(QStringLiteral("NewApplication2"));
    TrayMenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    Exit2 = TrayMenu->addAction(QIcon(QStringLiteral(":/toolbar/exit.svg")), QStringLiteral("Exit"));
    Exit2->setObjectName(QStringLiteral("Exit2"));
    TrayIcon->setContextMenu(TrayMenu);

    boundary_.connect(NewApplication2, &QAction::triggered, this, &TForm1::NewApplication2Click);
    boundary_.connect(Exit2, &QAction::triggered, this, &TForm1::Exit2Click);
}

void TForm1::arrangeRegions()
{
    auto* client = new QWidget(this);
    regions_ = new QVBoxLayout(client);
    regions_->setContentsMargins(0, 0, 0, 0);
    regions_->setSpacing(0);
    regions_->addWidget(Panel1);
    regions_->addWidget(TabBarDock);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(Panel2);
    body->addWidget(WebBrowser1, 1);
    regions_->addLayout(body, 1);
    setCentralWidget(client);
}

void TForm1::setKeyboardOrder()
{
    setTabOrder(WebBrowser1, LE_KeywordsSearch);
    setTabOrder(LE_KeywordsSearch, Button_Search);
    setTabOrder(Button_Search, CB_TabBarPosition);
    setTabOrder(CB_TabBarPosition, KeywordsSorted);
    // The browser holds no page yet: typing goes straight to the keywords.
    LE_KeywordsSearch->setFocus();
}

void TForm1::placeOnDesktop()
{
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
}

void TForm1::FormCreate()
{
    boundary_.run([this] { runStartup(state_, *this, services_.executablePath, services_.today); });
}

void TForm1::FormClose()
{
    runShutdown(*this);
}

void TForm1::commitSession(QSessionManager& manager)
{
    // A failed save keeps the session from ending, as it keeps the window open.
    if (!boundary_.run([this] { FormClose(); }))
        manager.cancel();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A failed save keeps the window open, so the tabs are not lost.
    event->setAccepted(boundary_.run([this] { FormClose(); }));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // The margin before the first tab is the bar's empty part too.
    if (watched == TabBarDock && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        boundary_.run([this] { TabBarClick(); });
    if (event->type() == QEvent::KeyPress) {
        // A key the focused control ignores travels up through its parents;
        // only its first stop counts.
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (widget != nullptr && widget->window() == this && widget == (focus ? focus : this)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            boundary_.run([this, key] { FormKeyDown(key); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Button_SearchClick();
}

bool TForm1::appendTab(const QString& caption, const QString& address)
{
    if (tabs_.append(caption, address) < 0)
        return false;
    TabBar->appendTab(caption);
    return true;
}

void TForm1::SetCaption(const QString& text)
{
    setWindowTitle(text);
}

void TForm1::SetAppTitle(const QString& text)
{
    // The task bar's name for the program; the application display name would
    // also be appended to every window title on X11.
    setWindowIconText(text);
}

void TForm1::setTrayHint(const QString& text)
{
    TrayIcon->setHint(text);
}

void TForm1::reportError(const QString& message)
{
    boundary_.report(message);
}

void TForm1::navigate(const QString& address)
{
    WebBrowser1->Navigate(address);
}

void TForm1::Button_SearchClick()
{
    runSearch(state_, *this, LE_KeywordsSearch->text(), tabs_.currentAddress());
}

void TForm1::LE_KeywordsSearchChange()
{
    Button_Search->setEnabled(!LE_KeywordsSearch->text().isEmpty());
}

void TForm1::TabBarClick()
{
    view_.keepCurrentView();
    const int selected = TabBar->currentIndex();
    if (selected < 0)
        return;  // an empty bar names no engine to search with
    tabs_.select(selected);
    Button_SearchClick();
}

void TForm1::Label_SearchedClick()
{
    Label_Searched->setText(view_.cycle());
    ShowKeywordList();
}

void TForm1::ShowKeywordList()
{
    const std::optional<KeywordListContent> content = view_.refresh();
    if (!content)
        return;
    KeywordsSorted->show();
    KeywordsSorted->showEntries(content->entries);
}

void TForm1::KeywordsSortedClick()
{
    view_.keepCurrentView();
    const QListWidgetItem* chosen = KeywordsSorted->currentItem();
    if (chosen == nullptr)
        return;
    LE_KeywordsSearch->setText(chosen->text());
    Button_SearchClick();
}

void TForm1::RecordKeyword(const QString& keyword)
{
    const bool listHadFocus = KeywordsSorted->hasFocus();
    KeywordsSorted->hide();
    KeywordRecorder(state_.KeywordsFile, state_.MostSearchedFile, order_).record(keyword);
    ShowKeywordList();
    if (listHadFocus && KeywordsSorted->isVisible())
        KeywordsSorted->setFocus();
}

void TForm1::UpdateNavButtons()
{
    const NavButtonsState buttons = navButtonsFor(state_);
    ToolButton1->setEnabled(buttons.backEnabled);
    ToolButton2->setEnabled(buttons.forwardEnabled);
}

void TForm1::ToolButton1Click()
{
    WebBrowser1->GoBack();
    countBack(state_);
    UpdateNavButtons();
}

void TForm1::ToolButton2Click()
{
    WebBrowser1->GoForward();
    countForward(state_);
    UpdateNavButtons();
}

void TForm1::ToolButton3Click()
{
    WebBrowser1->Refresh();
}

void TForm1::ToolButton4Click()
{
    WebBrowser1->Stop();
}

void TForm1::ToolButton6Click()
{
    services_.shell->startProgram(QDir(appDirOf(services_.executablePath)).filePath(QString::fromUtf16(SecondCopyName)));
}

void TForm1::NewApplication2Click()
{
    ToolButton6Click();
}

void TForm1::Exit2Click()
{
    // Through the close, so the settings are saved; a failed save keeps the program running.
    // The explicit quit also ends a program whose window is hidden in the tray.
    if (close())
        QCoreApplication::quit();
}

void TForm1::quickKeywordClick(const QString& caption)
{
    LE_KeywordsSearch->setText(caption);
    Button_SearchClick();
}

void TForm1::ToolButton12Click()
{
    services_.shell->openWebAddress(QString::fromUtf16(MakerSite));
}

void TForm1::CB_TabBarPositionClick()
{
    ApplyTabBarPosition();
}

void TForm1::ApplyTabBarPosition()
{
    const bool bottom = CB_TabBarPosition->isChecked();
    regions_->removeWidget(TabBarDock);
    // Bottom spans the full width under the statistics panel and the browser.
    regions_->insertWidget(bottom ? regions_->count() : 1, TabBarDock);
    TabBar->setDockedBottom(bottom);
}

void TForm1::LoadSettings()
{
    const TabSettings settings = loadSettings(settingsPathFor(services_.executablePath));
    state_.SavedTabCount = settings.savedTabCount;
    CB_TabBarPosition->setChecked(settings.tabsBottom);
    ApplyTabBarPosition();
    if (settings.tabs.isEmpty()) {
        services_.dialogs->information(this, QStringLiteral("You have no TABS configured !"));
        return;
    }
    for (const TabEntry& tab : settings.tabs)
        appendTab(tab.caption, tab.address);
}

void TForm1::SaveSettings()
{
    TabSettings settings;
    for (int i = 0; i < tabs_.TabCount(); ++i)
        settings.tabs.append({tabs_.caption(i), tabs_.address(i)});
    settings.tabsBottom = CB_TabBarPosition->isChecked();
    settings.savedTabCount = tabs_.TabCount();
    state_.SavedTabCount = settings.savedTabCount;
    saveSettings(settingsPathFor(services_.executablePath), settings);
}

void TForm1::AddTab1Click()
{
    Form_AddTab->exec();
}

}  // namespace sorvanta
