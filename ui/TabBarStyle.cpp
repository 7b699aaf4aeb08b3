#include "TabBarStyle.h"

#include <QPainter>
#include <QStyleOptionTab>
#include <QTabBar>

namespace sorvanta {

const QColor TabBarStyle::SelectedFill(142, 223, 94);
const QColor TabBarStyle::HotFill(232, 249, 221);

namespace {

const QColor SelectedEdge(92, 185, 36);

}  // namespace

int TabBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    switch (hint) {
    case SH_TabBar_CloseButtonPosition:
        return QTabBar::LeftSide;
    // Only a press may change the selected engine, so the wheel scrolls nothing.
    case SH_TabBar_AllowWheelScrolling:
        return false;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void TabBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (element != CE_TabBarTabShape || tab == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool selected = tab->state & State_Selected;
    const bool hot = (tab->state & State_MouseOver) && (tab->state & State_Enabled);
    const QColor fill = selected ? SelectedFill : hot ? HotFill : tab->palette.color(QPalette::Base);
    const QColor edge = selected ? SelectedEdge : tab->palette.color(QPalette::Mid);

    painter->save();
    painter->fillRect(tab->rect, fill);
    painter->setPen(edge);
    painter->setBrush(Qt::NoBrush);
    const QRect r = tab->rect.adjusted(0, 0, -1, -1);
    painter->drawLine(r.topLeft(), r.bottomLeft());
    painter->drawLine(r.topRight(), r.bottomRight());
    // The edge facing the browser stays open, so the tab opens toward it.
    if (tab->shape == QTabBar::RoundedSouth)
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    else
        painter->drawLine(r.topLeft(), r.topRight());
    painter->restore();
}

}  // namespace sorvanta
