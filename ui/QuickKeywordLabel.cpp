#include "QuickKeywordLabel.h"

#include <QMouseEvent>
#include <QPalette>

namespace sorvanta {

const QColor QuickKeywordLabel::kRestColor{0, 89, 179};
const QColor QuickKeywordLabel::kHoverColor{255, 128, 64};

QuickKeywordLabel::QuickKeywordLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setAutoFillBackground(false);
    setLook(kRestColor, false);
    adjustSize();
    setEnabled(false);
    hide();
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
    QLabel::enterEvent(event);
}

void QuickKeywordLabel::leaveEvent(QEvent* event)
{
    setLook(kRestColor, false);
    unsetCursor();
    QLabel::leaveEvent(event);
}

void QuickKeywordLabel::mousePressEvent(QMouseEvent* event)
{
    leftPressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void QuickKeywordLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = leftPressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit keywordClicked(text());
}

}  // namespace sorvanta
