#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>

namespace sorvanta {

// A push button painted as a vertical colour gradient with a bevelled border,
// its glyph and caption centred together.
class GradientButton : public QPushButton {
    Q_OBJECT
public:
    struct StateColours {
        QColor face;      // top of the gradient
        QColor gradient;  // bottom of the gradient
        QColor light;     // inner line along the left and top
        QColor dark;      // inner line along the right and bottom
        QColor border;
        QColor text;
    };

    struct Palette {
        StateColours normal;
        StateColours hot;  // pointer over the button
        StateColours pressed;
        StateColours disabled;
        QColor focus;
    };

    static Palette green();
    static Palette blue();

    static constexpr int GlyphSize = 16;
    static constexpr int GlyphSpacing = 4;
    static constexpr int FocusInset = 3;

    GradientButton(const QString& caption, const QIcon& glyph, const Palette& palette,
                   QWidget* parent = nullptr);

    const Palette& colours() const { return palette_; }
    // The colour set that the button paints with right now.
    const StateColours& currentColours() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The glyph and the gap to the caption; 0 without a glyph.
    int glyphWidth() const;
    void paintFrame(QPainter& painter, const StateColours& colours) const;
    void paintContent(QPainter& painter, const StateColours& colours) const;

    Palette palette_;
    bool hot_ = false;
};

}  // namespace sorvanta
