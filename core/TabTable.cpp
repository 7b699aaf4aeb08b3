#include "TabTable.h"

#include <algorithm>

namespace sorvanta {

TabTable::TabTable(SearchState& state)
    : state_(state)
{
}

int TabTable::append(const QString& caption, const QString& address)
{
    if (isFull())
        return -1;
    const int position = TabCount();
    captions_.append(caption);
    state_.TabAddresses[position] = address;
    // The bar selects the first tab added to an empty bar.
    if (position == 0)
        state_.CurrentTab = 0;
    return position;
}

void TabTable::move(int from, int to)
{
    if (from < 0 || from >= TabCount() || to < 0 || to >= TabCount() || from == to)
        return;
    captions_.move(from, to);
    auto& addresses = state_.TabAddresses;
    if (from < to)
        std::rotate(addresses.begin() + from, addresses.begin() + from + 1, addresses.begin() + to + 1);
    else
        std::rotate(addresses.begin() + to, addresses.begin() + from, addresses.begin() + from + 1);

    int& current = state_.CurrentTab;
    if (current == from)
        current = to;
    else if (from < to && current > from && current <= to)
        --current;
    else if (to < from && current >= to && current < from)
        ++current;
}

void TabTable::close(int index, int selectedAfter)
{
    if (index < 0 || index >= TabCount())
        return;
    const int last = TabCount() - 1;
    captions_.removeAt(index);
    auto& addresses = state_.TabAddresses;
    std::rotate(addresses.begin() + index, addresses.begin() + index + 1, addresses.begin() + last + 1);
    addresses[last].clear();

    int& current = state_.CurrentTab;
    if (current == index)
        current = selectedAfter;
    else if (current > index)
        --current;
}

void TabTable::select(int index)
{
    if (index >= 0 && index < TabCount())
        state_.CurrentTab = index;
}

QString TabTable::caption(int index) const
{
    return captions_.value(index);
}

QString TabTable::address(int index) const
{
    if (index < 0 || index >= TabCount())
        return {};
    return state_.TabAddresses[index];
}

QString TabTable::currentAddress() const
{
    return address(state_.CurrentTab);
}

}  // namespace sorvanta
