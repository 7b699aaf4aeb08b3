#pragma once

#include <QString>

class QWidget;

namespace sorvanta {

// Puts a label `gap` px left of `edit`, centred on its height and at least
// `minimumWidth` wide. When the desktop's font needs more room than there is
// right of `leftLimit`, the edit gives up room at its left end. The edit takes
// the label's text as its spoken name.
void labelLeftOf(QWidget& edit, const QString& text, int gap, int minimumWidth, int leftLimit);

}  // namespace sorvanta
