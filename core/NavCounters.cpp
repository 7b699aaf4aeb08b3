#include "NavCounters.h"

#include "SearchState.h"

namespace sorvanta {

void countSearch(SearchState& state)
{
    ++state.BackCount;
    state.ForwardCount = 1;
}

void countBack(SearchState& state)
{
    --state.BackCount;
    ++state.ForwardCount;
}

void countForward(SearchState& state)
{
    --state.ForwardCount;
    ++state.BackCount;
}

NavButtonsState navButtonsFor(const SearchState& state)
{
    // A counter of 1 means the current page alone; 0 means no search yet.
    return {state.BackCount >= 2, state.ForwardCount >= 2};
}

}  // namespace sorvanta
