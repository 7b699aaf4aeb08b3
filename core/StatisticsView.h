#pragma once

#include "ListOrder.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace sorvanta {

struct SearchState;

// What the list shows after a refresh.
struct KeywordListContent {
    QStringList entries;  // in display order (already in ListOrder when sorted)
    bool sorted = false;  // the alphabetical view
};

// The four views of the statistics list over the fields ViewMode, ViewSelector,
// ListStart and StatsCount of the shared state.
class StatisticsView {
public:
    StatisticsView(SearchState& state, const ListOrder& order);

    static QString captionOf(int view);      // caption of Label_Searched for view 1 to 4
    static QString entryText(QByteArrayView statisticsLine);  // text after the first "|"

    int GetViewMode() const;

    // The view cycle: moves to the next view and returns its caption.
    // Call refresh() afterwards, as the label click does.
    QString cycle();

    // Before a search from the list or the tab bar: keep the current view.
    void keepCurrentView();

    // Reads the statistics file and returns what the list shows; nullopt when
    // the file does not exist (the list stays as it is). Throws AppError when
    // the file exists but cannot be read.
    std::optional<KeywordListContent> refresh();

private:
    static QByteArrayView keywordOf(QByteArrayView statisticsLine);

    SearchState& state_;
    const ListOrder& order_;
};

}  // namespace sorvanta
