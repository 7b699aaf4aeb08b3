#pragma once

#include <QList>
#include <QString>

namespace sorvanta {

struct TabEntry {
    QString caption;
    QString address;
    bool operator==(const TabEntry&) const = default;
};

// What the settings file keeps between runs.
struct TabSettings {
    QList<TabEntry> tabs;     // at most kMaxTabs
    bool tabsBottom = false;  // tab bar docked at the bottom edge
    int savedTabCount = 0;    // "#_tabs" as read (clamped to 0..kMaxTabs)
    bool operator==(const TabSettings&) const = default;
};

// The settings file beside the executable: its path with the extension
// replaced by ".ini" (appended when it has none).
QString settingsPathFor(const QString& executablePath);

// Reads the settings; a missing file or key gives the defaults.
TabSettings loadSettings(const QString& path);

// Writes "#_tabs", "tabs_bottom" and each tab's name and address into the file,
// keeping every other line, in one atomic replace. Throws AppError
// "Unable to write to <path>" with the system's reason.
void saveSettings(const QString& path, const TabSettings& settings);

}  // namespace sorvanta
