#include "SearchTabBar.h"

#include "TabBarStyle.h"

#include <QIcon>
#include <QMouseEvent>

namespace sorvanta {

SearchTabBar::SearchTabBar(QWidget* parent) : QTabBar(parent)
{
    auto* style = new TabBarStyle;
    style->setParent(this);
    setStyle(style);

    setMovable(true);
    setTabsClosable(true);
    setUsesScrollButtons(true);
    setExpanding(false);
    setDrawBase(false);
    setElideMode(Qt::ElideNone);
    setSelectionBehaviorOnRemove(QTabBar::SelectRightTab);
    setIconSize(QSize(16, 16));
    setAttribute(Qt::WA_Hover);
    // The selection changes by a press only, so keys never pick another engine.
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(BarHeight);

    connect(this, &QTabBar::tabCloseRequested, this, &SearchTabBar::closeTab);
}

int SearchTabBar::appendTab(const QString& caption)
{
    QString shown = caption;
    shown.replace(u'&', QStringLiteral("&&"));
    return addTab(QIcon(QStringLiteral(":/tabs/tab.svg")), shown);
}

void SearchTabBar::setDockedBottom(bool bottom)
{
    setShape(bottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
}

void SearchTabBar::mousePressEvent(QMouseEvent* event)
{
    QTabBar::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit pressed();
}

QSize SearchTabBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(BarHeight);
    return size;
}

void SearchTabBar::closeTab(int index)
{
    removeTab(index);
    emit tabClosed(index, currentIndex());
}

}  // namespace sorvanta
