#pragma once

#include <QFont>

namespace sorvanta {

// The font of both windows: "MS Sans Serif" 8 pt, or the desktop's sans-serif
// at 8 pt where that font is missing.
QFont windowFont();

}  // namespace sorvanta
