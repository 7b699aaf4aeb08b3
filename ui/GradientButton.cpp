#include "GradientButton.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace sorvanta {

GradientButton::Palette GradientButton::green()
{
    Palette p;
    p.normal = {{232, 249, 221}, {142, 223, 94}, {219, 245, 203}, {92, 185, 36}, {55, 111, 21}, {0, 0, 0}};
    p.hot = {{210, 242, 191}, {119, 216, 61}, {203, 240, 181}, {89, 180, 35}, {61, 121, 23}, {0, 0, 0}};
    // The pressed set carries light and dark already swapped, so the button looks sunk.
    p.pressed = {{131, 220, 78}, {166, 230, 128}, {62, 125, 23}, {172, 231, 137}, {57, 116, 22}, {0, 0, 0}};
    p.disabled = {{238, 238, 238}, {255, 255, 255}, {255, 255, 255}, {210, 210, 210}, {128, 128, 128}, {128, 128, 128}};
    p.focus = QColor(92, 185, 36);
    return p;
}

GradientButton::Palette GradientButton::blue()
{
    Palette p;
    p.normal = {{221, 238, 255}, {108, 182, 255}, {217, 236, 255}, {81, 168, 255}, {0, 89, 179}, {0, 0, 0}};
    p.hot = {{215, 235, 255}, {70, 163, 255}, {202, 228, 255}, {62, 158, 255}, {0, 89, 179}, {0, 0, 0}};
    p.pressed = {{102, 179, 255}, {157, 206, 255}, {62, 158, 255}, {168, 211, 255}, {0, 89, 179}, {0, 0, 0}};
    p.disabled = green().disabled;
    p.focus = QColor(83, 169, 255);
    return p;
}

GradientButton::GradientButton(const QString& caption, const QIcon& glyph, const Palette& palette,
                               QWidget* parent)
    : QPushButton(glyph, caption, parent), palette_(palette)
{
    setIconSize(QSize(GlyphSize, GlyphSize));
}

const GradientButton::StateColours& GradientButton::currentColours() const
{
    if (!isEnabled())
        return palette_.disabled;
    if (isDown())
        return palette_.pressed;
    return hot_ ? palette_.hot : palette_.normal;
}

int GradientButton::glyphWidth() const
{
    return icon().isNull() ? 0 : GlyphSize + (text().isEmpty() ? 0 : GlyphSpacing);
}

QSize GradientButton::sizeHint() const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int height = std::max(GlyphSize, fontMetrics().height()) + 2 * (FocusInset + 3);
    return {glyphWidth() + textWidth + 2 * (FocusInset + 8), height};
}

void GradientButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const StateColours& colours = currentColours();
    paintFrame(painter, colours);
    paintContent(painter, colours);
    if (hasFocus()) {
        painter.setPen(palette_.focus);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
    }
}

void GradientButton::paintFrame(QPainter& painter, const StateColours& colours) const
{
    const QRect r = rect();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, colours.face);
    fill.setColorAt(1, colours.gradient);
    painter.fillRect(r, fill);

    painter.setPen(colours.border);
    painter.drawRect(r.adjusted(0, 0, -1, -1));

    const int left = 1, top = 1, right = r.width() - 2, bottom = r.height() - 2;
    painter.setPen(colours.light);
    painter.drawLine(left, top, right - 1, top);
    painter.drawLine(left, top, left, bottom - 1);
    painter.setPen(colours.dark);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(left, bottom, right, bottom);
}

void GradientButton::paintContent(QPainter& painter, const StateColours& colours) const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int contentWidth = glyphWidth() + textWidth;

    const int shift = isDown() && isEnabled() ? 1 : 0;
    int x = (width() - contentWidth) / 2 + shift;
    const int centreY = height() / 2 + shift;

    if (!icon().isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QRect glyphRect(x, centreY - GlyphSize / 2, GlyphSize, GlyphSize);
        icon().paint(&painter, glyphRect, Qt::AlignCenter, mode);
        x += glyphWidth();
    }
    painter.setPen(colours.text);
    painter.setFont(font());
    const QRect textRect(x, 0 + shift, textWidth + 1, height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
}

void GradientButton::enterEvent(QEnterEvent* event)
{
    hot_ = true;
    update();
    QPushButton::enterEvent(event);
}

void GradientButton::leaveEvent(QEvent* event)
{
    hot_ = false;
    update();
    QPushButton::leaveEvent(event);
}

}  // namespace sorvanta
