#pragma once

#include "ClickableLabel.h"

#include <QString>

#include <array>
#include <string_view>

class QWidget;

namespace sorvanta {

// A keyword that searches itself when clicked, drawn like a web link: blue at
// rest, orange and underlined with the pointing hand while the pointer is on it.
// It starts hidden and disabled; a click reaches it only while it is visible
// and enabled, as for any widget.
class QuickKeywordLabel : public ClickableLabel {
    Q_OBJECT
public:
    // The keywords of the statistics panel's column, top to bottom.
    static constexpr std::array<std::u16string_view, 10> kKeywords{
        u"Juno", u"300", u"next", u"Pathfinder", u"Freedom Writers",
        u"Sunshine", u"Shooter", u"Thr3e", u"Epic Movie", u"Stomp the Yard"};

    static const QColor kRestColor;
    static const QColor kHoverColor;

    QuickKeywordLabel(const QString& caption, QWidget* parent);

    // The column of all keywords in `panel`: x 16 from y 24, a row every 16 px,
    // named "L_01" to "L_10".
    static std::array<QuickKeywordLabel*, kKeywords.size()> createColumn(QWidget& panel);

signals:
    void keywordClicked(const QString& caption);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setLook(const QColor& color, bool underline);
};

}  // namespace sorvanta
