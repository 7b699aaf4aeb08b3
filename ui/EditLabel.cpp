#include "EditLabel.h"

#include <QLabel>

#include <algorithm>

namespace sorvanta {

void labelLeftOf(QWidget& edit, const QString& text, int gap, int minimumWidth, int leftLimit)
{
    auto* label = new QLabel(text, edit.parentWidget());
    const QSize needed = label->sizeHint();
    const int width = std::max(minimumWidth, needed.width());
    const int height = std::max(13, needed.height());

    QRect field = edit.geometry();
    field.setLeft(std::max(field.left(), leftLimit + width + gap));
    edit.setGeometry(field);
    label->setGeometry(field.left() - gap - width, field.top() + (field.height() - height) / 2, width, height);
    label->setBuddy(&edit);
    edit.setAccessibleName(text);
}

}  // namespace sorvanta
