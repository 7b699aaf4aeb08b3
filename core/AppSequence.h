#pragma once

#include "MonthlyFiles.h"

#include <QString>

namespace sorvanta {

struct SearchState;

// Title of the program before any search; each search puts the keywords after
// kTitlePrefix.
inline constexpr char16_t kStartupTitle[] = u"Sorvanta v.3";
inline constexpr char16_t kTitlePrefix[] = u"Sorvanta v.3 - ";
inline constexpr char16_t kApplicationName[] = u"Sorvanta";

// What the start-up, search and shutdown sequences need of the window side.
class WindowSide {
public:
    virtual ~WindowSide() = default;

    virtual void SetCaption(const QString& text) = 0;
    virtual void SetAppTitle(const QString& text) = 0;
    virtual void setTrayHint(const QString& text) = 0;
    virtual void Label_SearchedClick() = 0;  // one cycle of the statistics view
    virtual void LoadSettings() = 0;
    virtual void SaveSettings() = 0;
    virtual void reportError(const QString& message) = 0;

    // The search's steps that touch the browser, the files and the buttons.
    virtual void navigate(const QString& address) = 0;
    virtual void RecordKeyword(const QString& keyword) = 0;
    virtual void UpdateNavButtons() = 0;
};

// The start-up sequence: titles, counters, monthly paths, one view cycle, then
// the settings. A failure while filling the statistics list is reported and
// the settings still load, so the next close cannot save an empty tab list.
void runStartup(SearchState& state, WindowSide& window, const QString& executablePath,
                const DateSource& today);

// The search with the keyword field's text. Does nothing for an empty text.
// A failing step throws and leaves the later steps undone.
void runSearch(SearchState& state, WindowSide& window, const QString& keywords,
               const QString& addressTemplate);

// Closing the main window: writes the settings. Throws when they cannot be
// written, so the close is abandoned.
void runShutdown(WindowSide& window);

}  // namespace sorvanta
