#pragma once

#include "ErrorBoundary.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace sorvanta {

class DesktopShell;
class TForm1;
class UserDialogs;

// The Add Tab dialog: each Ok appends one search engine to the main window's
// tab bar; the dialog stays open, keeping its texts, until Cancel or close.
class TForm_AddTab : public QDialog {
    Q_OBJECT
public:
    TForm_AddTab(TForm1& form1, UserDialogs& dialogs, DesktopShell& shell, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildNote();

    void Button_OKClick();
    void Button_CancelClick();
    void Button_StartIEClick();

    TForm1& form1_;
    UserDialogs& dialogs_;
    DesktopShell& shell_;
    ErrorBoundary boundary_;

    QLineEdit* LE_TabName = nullptr;
    QLineEdit* LE_Address = nullptr;
    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Cancel = nullptr;
    QTextBrowser* Note = nullptr;
    QPushButton* Button_StartIE = nullptr;
    QLabel* Label_Note = nullptr;
};

}  // namespace sorvanta
