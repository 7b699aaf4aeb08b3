#pragma once

#include <QString>

#include <array>

namespace sorvanta {

// Room in the tab table; the Add Tab dialog's caption promises this maximum.
inline constexpr int kMaxTabs = 30;

// The state every part of a running program shares. One instance lives in the
// main window for the whole run; it starts zeroed.
struct SearchState {
    std::array<QString, kMaxTabs> TabAddresses;  // address template of the tab at each position
    QString AppDir;                              // directory of the running executable
    QString KeywordsFile;                        // this month's keyword log
    QString MostSearchedFile;                    // this month's statistics file
    int CurrentTab = 0;                          // position of the tab the search uses
    int BackCount = 0;
    int ForwardCount = 0;
    int ViewMode = 0;                            // statistics view shown, 1 to 4
    int ViewSelector = 0;                        // view the next list refresh applies
    int ListStart = 0;                           // lowest statistics line the list shows
    int StatsCount = 0;                          // statistics lines found by the last refresh
    int SavedTabCount = 0;                       // tab count last read from or written to the settings
    QString LastTitle;                           // caption built by the last search
};

}  // namespace sorvanta
