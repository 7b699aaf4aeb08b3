#pragma once

#include <QMenu>

namespace sorvanta {

// A popup menu drawn flat: white body, thin dark frame, the item pictures in a
// shaded column at the left and a framed highlight under the pointer.
class FlatMenu : public QMenu {
    Q_OBJECT
public:
    explicit FlatMenu(QWidget* parent = nullptr);
};

}  // namespace sorvanta
