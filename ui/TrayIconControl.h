#pragma once

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

class QMenu;
class QWidget;

namespace sorvanta {

// The program's notification-area icon. It carries the window's icon and hint,
// hides the window to the tray and brings it back.
//
// A single left click toggles the window once the double-click interval has
// passed; a double click cancels that pending click, so it does nothing.
// Minimising the window hides it to the tray, but only while a tray exists:
// without one the window stays a normal minimised window and is never lost.
class TrayIconControl : public QObject {
    Q_OBJECT
public:
    // Answers whether the desktop shows a notification area right now.
    using TrayAvailability = std::function<bool()>;

    // Longest tooltip the notification area accepts.
    static constexpr int kMaxTooltipLength = 127;

    explicit TrayIconControl(QWidget& window,
                             TrayAvailability trayAvailable = &QSystemTrayIcon::isSystemTrayAvailable);

    // The tooltip shows the hint up to its first "|", cut to the tray's limit.
    static QString tooltipForHint(const QString& hint);

    void setHint(const QString& hint);
    QString hint() const { return hint_; }
    void setContextMenu(QMenu* menu);

    // Shown means visible and not minimised.
    bool windowShown() const;
    void hideToTray();
    void restoreFromTray();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void toggleWindow();
    void hideIfStillMinimised();

    QWidget& window_;
    TrayAvailability trayAvailable_;
    QSystemTrayIcon icon_;
    QTimer pendingSingleClick_;
    QString hint_;
};

}  // namespace sorvanta
