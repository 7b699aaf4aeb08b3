#pragma once

#include "SearchState.h"

#include <QString>
#include <QStringList>

namespace sorvanta {

// The tabs of the tab bar paired with their address templates in
// SearchState::TabAddresses. CurrentTab follows its own tab when tabs move or
// close, so the Search button always searches the engine shown selected.
class TabTable {
public:
    explicit TabTable(SearchState& state);

    int TabCount() const { return static_cast<int>(captions_.size()); }
    bool isFull() const { return TabCount() >= kMaxTabs; }

    // Appends a tab at the right end and returns its position, or -1 when the
    // table is full. The first tab of an empty table becomes CurrentTab.
    int append(const QString& caption, const QString& address);

    // The bar moved the tab at `from` to `to`; the tabs between shift by one.
    void move(int from, int to);

    // The tab at `index` was closed; `selectedAfter` is the position, counted
    // after the removal, of the tab the bar selects instead (-1 when none is left).
    void close(int index, int selectedAfter);

    // A press on the bar selected the tab at `index` (CurrentTab).
    void select(int index);

    QString caption(int index) const;
    QString address(int index) const;  // empty outside the table

    // Address template of CurrentTab, empty when there is no such tab.
    QString currentAddress() const;

private:
    SearchState& state_;
    QStringList captions_;
};

}  // namespace sorvanta
