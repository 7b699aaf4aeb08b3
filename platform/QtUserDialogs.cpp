#include "QtUserDialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace sorvanta {

void QtUserDialogs::information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("Information"), text, QMessageBox::Ok);
}

void QtUserDialogs::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

}  // namespace sorvanta
