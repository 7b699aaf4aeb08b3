#pragma once

namespace sorvanta {

struct SearchState;

// Enabled state of Back and Forward, derived from the counters alone.
struct NavButtonsState {
    bool backEnabled = false;
    bool forwardEnabled = false;
    bool operator==(const NavButtonsState&) const = default;
};

// Counter arithmetic of the program's own page history.
void countSearch(SearchState& state);   // BackCount + 1, ForwardCount := 1
void countBack(SearchState& state);     // one page from behind to ahead
void countForward(SearchState& state);  // one page from ahead to behind
NavButtonsState navButtonsFor(const SearchState& state);  // a counter of 2 or more enables

}  // namespace sorvanta
