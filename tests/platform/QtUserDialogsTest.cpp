#include "QtUserDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using sorvanta::QtUserDialogs;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows a box through the dialogs, notes what it looked like and closes it.
SeenBox showAndRead(const std::function<void(QtUserDialogs&)>& show)
{
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->accept();
    });
    QtUserDialogs dialogs;
    show(dialogs);
    return seen;
}

}  // namespace

class QtUserDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void informationHasItsTitleAndOneOkButton();
    void errorIsACriticalBoxWithTheText();
};

void QtUserDialogsTest::informationHasItsTitleAndOneOkButton()
{
    const SeenBox seen = showAndRead([](QtUserDialogs& d) { d.information(nullptr, "You have no TABS configured !"); });
    QCOMPARE(seen.title, QStringLiteral("Information"));
    QCOMPARE(seen.text, QStringLiteral("You have no TABS configured !"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void QtUserDialogsTest::errorIsACriticalBoxWithTheText()
{
    const SeenBox seen = showAndRead([](QtUserDialogs& d) { d.error(nullptr, "Unable to write to /x/Tamrin.ini"); });
    QCOMPARE(seen.text, QStringLiteral("Unable to write to /x/Tamrin.ini"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(QtUserDialogsTest)
#include "QtUserDialogsTest.moc"
