#include "Unit2.h"

#include "DesktopShell.h"
#include "EditLabel.h"
#include "GradientButton.h"
#include "SearchState.h"
#include "Unit1.h"
#include "UserDialogs.h"
#include "WindowFont.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>

#include <algorithm>

namespace sorvanta {

namespace {

constexpr QSize ClientSize{515, 216};
constexpr QPoint ScreenPosition{488, 201};

// An example search site for the note; its address shows where the keywords go.
constexpr char16_t ExampleHost[] = u"www.example.com";
constexpr char16_t ExampleAddress[] = u"http://www.example.com/search?tb=example&query=TEST";

QLineEdit* labelledEdit(QWidget* parent, const QString& labelText, int labelWidth, const QRect& editPlace,
                        const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(editPlace);
    edit->setToolTip(hint);
    labelLeftOf(*edit, labelText, 3, labelWidth, 8);
    return edit;
}

}  // namespace

TForm_AddTab::TForm_AddTab(TForm1& form1, UserDialogs& dialogs, DesktopShell& shell, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      form1_(form1),
      dialogs_(dialogs),
      shell_(shell),
      boundary_(dialogs, *this)
{
    setObjectName(QStringLiteral("Form_AddTab"));
    setWindowTitle(QStringLiteral("Add Tab [max = %1]").arg(kMaxTabs));
    setWindowIcon(QIcon(QStringLiteral(":/menu/add.svg")));
    setFont(windowFont());
    setFixedSize(ClientSize);
    move(ScreenPosition);

    LE_TabName = labelledEdit(this, QStringLiteral("Tab Name:"), 53, {64, 8, 161, 19},
                              QStringLiteral("Type the name of the tab you want to create."));
    LE_TabName->setObjectName(QStringLiteral("LE_TabName"));
    LE_Address = labelledEdit(this, QStringLiteral("Address:"), 41, {64, 40, 435, 19},
                              QStringLiteral("Copy the web address exactly as specified below."));
    LE_Address->setObjectName(QStringLiteral("LE_Address"));

    Button_OK = new GradientButton(QStringLiteral("Ok"), QIcon(QStringLiteral(":/buttons/ok.svg")),
                                   GradientButton::green(), this);
    Button_OK->setObjectName(QStringLiteral("Button_OK"));
    Button_OK->setGeometry(336, 176, 75, 25);
    Button_OK->setToolTip(QStringLiteral("Click Ok to add a new tab."));

    Button_Cancel = new GradientButton(QStringLiteral("Cancel"), QIcon(QStringLiteral(":/buttons/cancel.svg")),
                                       GradientButton::green(), this);
    Button_Cancel->setObjectName(QStringLiteral("Button_Cancel"));
    Button_Cancel->setGeometry(424, 176, 75, 25);

    buildNote();

    Button_StartIE = new GradientButton(QStringLiteral("Start IE"), QIcon(QStringLiteral(":/buttons/browser.svg")),
                                        GradientButton::blue(), this);
    Button_StartIE->setObjectName(QStringLiteral("Button_StartIE"));
    Button_StartIE->setGeometry(424, 8, 75, 19);
    Button_StartIE->setToolTip(QStringLiteral("Start Internet Explorer because it's faster."));

    // Neither Enter nor Esc presses a button here.
    for (QPushButton* button : {Button_OK, Button_Cancel, Button_StartIE}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    setTabOrder(LE_TabName, LE_Address);
    setTabOrder(LE_Address, Button_OK);
    setTabOrder(Button_OK, Button_Cancel);
    setTabOrder(Button_Cancel, Note);
    setTabOrder(Note, Button_StartIE);
    LE_TabName->setFocus();

    boundary_.connect(Button_OK, &QPushButton::clicked, this, &TForm_AddTab::Button_OKClick);
    boundary_.connect(Button_Cancel, &QPushButton::clicked, this, &TForm_AddTab::Button_CancelClick);
    boundary_.connect(Button_StartIE, &QPushButton::clicked, this, &TForm_AddTab::Button_StartIEClick);
}

void TForm_AddTab::buildNote()
{
    Label_Note = new QLabel(QStringLiteral("NOTE:"), this);
    Label_Note->setObjectName(QStringLiteral("Label_Note"));
    Label_Note->setGeometry(24, 72, std::max(33, Label_Note->sizeHint().width()), 13);

    Note = new QTextBrowser(this);
    Note->setObjectName(QStringLiteral("Note"));
    Note->setGeometry(64, 72, 433, 89);
    Note->setAccessibleName(Label_Note->text());
    Note->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Note->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The example address is shown as a link, but following it is not the note's job.
    Note->setOpenLinks(false);
    Note->setOpenExternalLinks(false);

    const QString host = QString::fromUtf16(ExampleHost);
    const QString address = QString::fromUtf16(ExampleAddress).toHtmlEscaped();
    const QStringList lines{
        QStringLiteral("When searching the address shoud contain a specific keyword. So, for example if you "),
        QStringLiteral("want to search with %1 the keyword is TEST and that address ").arg(host),
        QStringLiteral("looks something like:"),
    };
    QString html;
    for (const QString& line : lines)
        html += QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">%1</p>").arg(line.toHtmlEscaped());
    html += QStringLiteral("<p style=\"margin:0\"><a href=\"%1\">%1</a></p>").arg(address);
    Note->setHtml(html);
}

void TForm_AddTab::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TForm_AddTab::Button_OKClick()
{
    if (!form1_.appendTab(LE_TabName->text(), LE_Address->text()))
        dialogs_.information(this, QStringLiteral("The maximum of %1 tabs is reached.").arg(kMaxTabs));
}

void TForm_AddTab::Button_CancelClick()
{
    reject();
}

void TForm_AddTab::Button_StartIEClick()
{
    shell_.startWebBrowser();
}

}  // namespace sorvanta
