#include "FlatToolBar.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QToolButton>

namespace sorvanta {

FlatToolBar::FlatToolBar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(16, 16));
    setFixedHeight(BarHeight);
    setContentsMargins(0, 0, 0, 0);
}

QAction* FlatToolBar::addButton(const QString& picture, const QString& hint)
{
    QAction* action = addAction(QIcon(picture), hint);
    action->setToolTip(hint);
    QWidget* button = widgetForAction(action);
    button->setFixedSize(ButtonSize);
    button->setAccessibleName(hint);
    return action;
}

void FlatToolBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, palette().color(QPalette::Window));
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Mid);
    for (int y : {r.top(), r.bottom() - 1}) {
        painter.setPen(shadow);
        painter.drawLine(r.left(), y, r.right(), y);
        painter.setPen(light);
        painter.drawLine(r.left(), y + 1, r.right(), y + 1);
    }
}

}  // namespace sorvanta
