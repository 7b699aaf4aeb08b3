#include "FlatMenu.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace sorvanta {

namespace {

constexpr int PictureSize = 16;
constexpr int ColumnWidth = PictureSize + 8;
constexpr int TextGap = 8;
constexpr int ItemHeight = PictureSize + 6;
constexpr int SeparatorHeight = 5;

const QColor BodyColour(255, 255, 255);
const QColor ColumnColour(236, 233, 216);
const QColor FrameColour(138, 134, 122);
const QColor HighlightFill(193, 210, 238);
const QColor HighlightFrame(49, 106, 197);
const QColor SeparatorColour(197, 194, 184);
const QColor TextColour(0, 0, 0);
const QColor DisabledTextColour(141, 141, 141);

// Paints the menu's panel and items; everything else comes from the desktop style.
class FlatMenuStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth: return 1;
        case PM_MenuHMargin: return 0;
        case PM_MenuVMargin: return 1;
        case PM_SmallIconSize: return PictureSize;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type != CT_MenuItem || !item)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return {size.width(), SeparatorHeight};
        const QFontMetrics metrics(item->font);
        const QStringList parts = item->text.split(u'\t');
        int width = ColumnWidth + TextGap + metrics.horizontalAdvance(parts.value(0)) + 24;
        if (parts.size() > 1)
            width += metrics.horizontalAdvance(parts.value(1)) + 16;
        return {width, std::max(ItemHeight, metrics.height() + 6)};
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        switch (element) {
        case PE_PanelMenu:
            paintBody(painter, option->rect);
            return;
        case PE_FrameMenu:
            painter->setPen(FrameColour);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_MenuEmptyArea) {
            paintBody(painter, option->rect);
            return;
        }
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        paintItem(painter, *item, widget);
    }

private:
    static void paintBody(QPainter* painter, const QRect& rect)
    {
        painter->fillRect(rect, BodyColour);
        painter->fillRect(QRect(rect.left(), rect.top(), ColumnWidth + 1, rect.height()), ColumnColour);
    }

    void paintItem(QPainter* painter, const QStyleOptionMenuItem& item, const QWidget* widget) const
    {
        const QRect r = item.rect;
        painter->fillRect(r, BodyColour);
        painter->fillRect(QRect(r.left(), r.top(), ColumnWidth, r.height()), ColumnColour);

        if (item.menuItemType == QStyleOptionMenuItem::Separator) {
            const int y = r.center().y();
            painter->setPen(SeparatorColour);
            painter->drawLine(r.left() + ColumnWidth + TextGap, y, r.right(), y);
            return;
        }

        const bool enabled = item.state & State_Enabled;
        const bool selected = enabled && (item.state & State_Selected);
        if (selected) {
            painter->setPen(HighlightFrame);
            painter->setBrush(HighlightFill);
            painter->drawRect(r.adjusted(1, 0, -2, -1));
        }

        const QRect pictureRect(r.left() + (ColumnWidth - PictureSize) / 2,
                                r.top() + (r.height() - PictureSize) / 2, PictureSize, PictureSize);
        if (!item.icon.isNull()) {
            item.icon.paint(painter, pictureRect, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
        } else if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
            paintTick(painter, pictureRect, enabled);
        }

        const QStringList parts = item.text.split(u'\t');
        const QRect textRect = r.adjusted(ColumnWidth + TextGap, 0, -16, 0);
        painter->setFont(item.font);
        painter->setPen(enabled ? TextColour : DisabledTextColour);
        const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
        painter->drawText(textRect, flags | Qt::AlignLeft, parts.value(0));
        if (parts.size() > 1)
            painter->drawText(textRect, flags | Qt::AlignRight, parts.value(1));

        if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
            QStyleOption arrow = item;
            arrow.rect = QRect(r.right() - 12, r.top() + (r.height() - 8) / 2, 8, 8);
            arrow.palette.setColor(QPalette::ButtonText, enabled ? TextColour : DisabledTextColour);
            QProxyStyle::drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
        }
    }

    static void paintTick(QPainter* painter, const QRect& r, bool enabled)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(enabled ? TextColour : DisabledTextColour, 2));
        const QPointF points[] = {{r.left() + 3.5, r.center().y() + 0.5},
                                  {r.left() + 6.5, r.bottom() - 3.5},
                                  {r.right() - 2.5, r.top() + 3.5}};
        painter->drawPolyline(points, 3);
        painter->restore();
    }
};

}  // namespace

FlatMenu::FlatMenu(QWidget* parent) : QMenu(parent)
{
    auto* style = new FlatMenuStyle;
    style->setParent(this);
    setStyle(style);
}

}  // namespace sorvanta
