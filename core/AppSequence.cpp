#include "AppSequence.h"

#include "AppError.h"
#include "NavCounters.h"
#include "SearchAddress.h"
#include "SearchState.h"

namespace sorvanta {

namespace {

void showTitle(WindowSide& window, const QString& title)
{
    window.SetCaption(title);
    window.SetAppTitle(title);
    window.setTrayHint(title);
}

}  // namespace

void runStartup(SearchState& state, WindowSide& window, const QString& executablePath,
                const DateSource& today)
{
    showTitle(window, QString::fromUtf16(kStartupTitle));
    state.BackCount = 0;
    state.ForwardCount = 0;
    state.ViewMode = 3;
    state.AppDir = appDirOf(executablePath);
    // One stamp for both files, so a start at the turn of a month cannot count
    // one month's log into the other month's statistics.
    const QString monthStamp = MonthStamp(today);
    state.KeywordsFile = keywordsFilePath(state.AppDir, monthStamp);
    state.MostSearchedFile = mostSearchedFilePath(state.AppDir, monthStamp);
    // An unreadable statistics file must not keep the tabs from loading: the
    // next close would otherwise save an empty tab list over them.
    try {
        window.Label_SearchedClick();
    } catch (const AppError& error) {
        window.reportError(error.message());
    }
    window.LoadSettings();
}

void runSearch(SearchState& state, WindowSide& window, const QString& keywords,
               const QString& addressTemplate)
{
    if (keywords.isEmpty())
        return;
    window.navigate(BuildSearchAddress(addressTemplate, keywords));
    state.LastTitle = QString::fromUtf16(kTitlePrefix) + keywords;
    showTitle(window, state.LastTitle);
    window.RecordKeyword(keywords);
    countSearch(state);
    window.UpdateNavButtons();
}

void runShutdown(WindowSide& window)
{
    window.SaveSettings();
}

}  // namespace sorvanta
