#include "ClickableLabel.h"

#include <QMouseEvent>

namespace sorvanta {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setText(text);
}

void ClickableLabel::setText(const QString& text)
{
    QLabel::setText(text);
    setAccessibleName(text);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    leftPressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = leftPressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

}  // namespace sorvanta
