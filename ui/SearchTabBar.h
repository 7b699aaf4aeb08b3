#pragma once

#include <QTabBar>

namespace sorvanta {

// The row of search-engine tabs: movable, each with a close box at its left,
// scroll arrows when the row overflows. A left press first selects the tab
// under the pointer, then tells `pressed`, before any drag begins.
class SearchTabBar : public QTabBar {
    Q_OBJECT
public:
    static constexpr int BarHeight = 23;

    explicit SearchTabBar(QWidget* parent = nullptr);

    // Appends a tab showing `caption` as typed and returns its position.
    int appendTab(const QString& caption);

    // Bottom: the tabs hang from the bar's upper edge and open upward.
    void setDockedBottom(bool bottom);

signals:
    void pressed();
    // The tab at `index` is gone; `selectedAfter` is the bar's selection now (-1 when empty).
    void tabClosed(int index, int selectedAfter);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    QSize tabSizeHint(int index) const override;

private:
    void closeTab(int index);
};

}  // namespace sorvanta
