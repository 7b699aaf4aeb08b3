#pragma once

#include <QToolBar>

namespace sorvanta {

// A fixed tool bar of flat picture buttons on the window's own colour, with a
// raised edge line along its top and bottom.
class FlatToolBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int BarHeight = 29;
    static constexpr QSize ButtonSize{23, 22};

    explicit FlatToolBar(QWidget* parent = nullptr);

    // A button showing `picture`, with `hint` as its tool tip and accessible name.
    QAction* addButton(const QString& picture, const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sorvanta
