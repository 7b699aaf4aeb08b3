#pragma once

#include <QLabel>

namespace sorvanta {

// A text label that reacts to a left click like a link. Its accessible name
// follows its text, so a screen reader speaks what it shows.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    void setText(const QString& text);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};

}  // namespace sorvanta
