#include "QuickKeywordLabel.h"

#include <QPalette>

namespace sorvanta {

const QColor QuickKeywordLabel::kRestColor{0, 89, 179};
const QColor QuickKeywordLabel::kHoverColor{255, 128, 64};

QuickKeywordLabel::QuickKeywordLabel(const QString& caption, QWidget* parent) : ClickableLabel(caption, parent)
{
    // The pointing hand comes with the hover look only.
    unsetCursor();
    setAutoFillBackground(false);
    setLook(kRestColor, false);
    adjustSize();
    setEnabled(false);
    hide();
    connect(this, &ClickableLabel::clicked, this, [this] { emit keywordClicked(text()); });
}

std::array<QuickKeywordLabel*, QuickKeywordLabel::kKeywords.size()>
QuickKeywordLabel::createColumn(QWidget& panel)
{
    std::array<QuickKeywordLabel*, kKeywords.size()> column{};
    for (int row = 0; row < int(column.size()); ++row) {
        auto* label = new QuickKeywordLabel(QStringView(kKeywords[row]).toString(), &panel);
        label->setObjectName(QStringLiteral("L_%1").arg(row + 1, 2, 10, QChar(u'0')));
        label->move(16, 24 + 16 * row);
        column[row] = label;
    }
    return column;
}

void QuickKeywordLabel::setLook(const QColor& color, bool underline)
{
    // Every colour group, so a visible but disabled label keeps its colours too.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
    QFont f = font();
    f.setBold(false);
    f.setItalic(false);
    f.setStrikeOut(false);
    f.setUnderline(underline);
    setFont(f);
}

void QuickKeywordLabel::enterEvent(QEnterEvent* event)
{
    setLook(kHoverColor, true);
    setCursor(Qt::PointingHandCursor);
    ClickableLabel::enterEvent(event);
}

void QuickKeywordLabel::leaveEvent(QEvent* event)
{
    setLook(kRestColor, false);
    unsetCursor();
    ClickableLabel::leaveEvent(event);
}

}  // namespace sorvanta
