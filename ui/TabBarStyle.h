#pragma once

#include <QColor>
#include <QProxyStyle>

namespace sorvanta {

// Flat tabs for the search-engine bar: the selected tab filled green, the
// others in the window colour, the tab under the pointer tinted, the close box
// at the left end of each tab.
class TabBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    static const QColor SelectedFill;
    static const QColor HotFill;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace sorvanta
