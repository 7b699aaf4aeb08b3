#include "TrayIconControl.h"

#include "AppSequence.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace sorvanta {

TrayIconControl::TrayIconControl(QWidget& window, TrayAvailability trayAvailable)
    : QObject(&window), window_(window), trayAvailable_(std::move(trayAvailable)),
      icon_(window.windowIcon(), this), pendingSingleClick_(this)
{
    pendingSingleClick_.setSingleShot(true);
    connect(&pendingSingleClick_, &QTimer::timeout, this, &TrayIconControl::toggleWindow);
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIconControl::onActivated);
    window_.installEventFilter(this);
    setHint(QStringView(kApplicationName).toString());
    icon_.show();
}

QString TrayIconControl::tooltipForHint(const QString& hint)
{
    return hint.section(u'|', 0, 0).left(kMaxTooltipLength);
}

void TrayIconControl::setHint(const QString& hint)
{
    hint_ = hint;
    icon_.setToolTip(tooltipForHint(hint));
}

void TrayIconControl::setContextMenu(QMenu* menu)
{
    icon_.setContextMenu(menu);
}

bool TrayIconControl::windowShown() const
{
    return window_.isVisible() && !window_.isMinimized();
}

void TrayIconControl::hideToTray()
{
    window_.hide();
}

void TrayIconControl::restoreFromTray()
{
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    window_.show();
    window_.raise();
    window_.activateWindow();
}

bool TrayIconControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::WindowStateChange && window_.isMinimized()
        && trayAvailable_()) {
        // Hiding inside the state change confuses some window managers; do it
        // once the minimise has finished.
        QMetaObject::invokeMethod(this, &TrayIconControl::hideIfStillMinimised, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TrayIconControl::hideIfStillMinimised()
{
    if (window_.isMinimized())
        hideToTray();
}

void TrayIconControl::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        pendingSingleClick_.start(QApplication::doubleClickInterval());
        break;
    case QSystemTrayIcon::DoubleClick:
        pendingSingleClick_.stop();
        break;
    case QSystemTrayIcon::Context:  // QSystemTrayIcon opens the context menu itself
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

void TrayIconControl::toggleWindow()
{
    if (windowShown())
        hideToTray();
    else
        restoreFromTray();
}

}  // namespace sorvanta
