#include "StatisticsView.h"

#include "SearchState.h"
#include "StatisticsFile.h"
#include "TextLines.h"

#include <algorithm>
#include <vector>

namespace sorvanta {

namespace {

constexpr int kMostSearched = 1;
constexpr int kTop20 = 2;
constexpr int kTop10 = 3;
constexpr int kAlphabetical = 4;

}  // namespace

StatisticsView::StatisticsView(SearchState& state, const ListOrder& order) : state_(state), order_(order) {}

QString StatisticsView::captionOf(int view)
{
    switch (view) {
    case kTop20:
        return QStringLiteral("2. Keywords - Top 20");
    case kTop10:
        return QStringLiteral("3. Keywords - Top 10");
    case kAlphabetical:
        return QStringLiteral("4. Keywords - Alphabetical ");
    default:
        return QStringLiteral("1. Keywords - Most Searched");
    }
}

QByteArrayView StatisticsView::keywordOf(QByteArrayView statisticsLine)
{
    const qsizetype bar = statisticsLine.indexOf('|');
    return bar < 0 ? statisticsLine : statisticsLine.sliced(bar + 1);
}

QString StatisticsView::entryText(QByteArrayView statisticsLine)
{
    return fromLocalBytes(keywordOf(statisticsLine));
}

int StatisticsView::GetViewMode() const
{
    return state_.ViewMode;
}

QString StatisticsView::cycle()
{
    int next = GetViewMode() + 1;
    if (next < kMostSearched || next > kAlphabetical)
        next = kMostSearched;
    state_.ViewSelector = next;
    // Only a view change sets ListStart; refreshes after searches keep it.
    const auto topStart = [this](int top) { return state_.StatsCount >= top ? state_.StatsCount - top : 0; };
    state_.ListStart = next == kTop20 ? topStart(20) : next == kTop10 ? topStart(10) : 0;
    state_.ViewMode = state_.ViewSelector;
    return captionOf(next);
}

void StatisticsView::keepCurrentView()
{
    state_.ViewSelector = GetViewMode();
}

std::optional<KeywordListContent> StatisticsView::refresh()
{
    const StatisticsFile file(state_.MostSearchedFile);
    if (!file.exists())
        return std::nullopt;
    const QByteArray contents = file.readAll();
    const QList<QByteArrayView> lines = splitLines(contents);
    state_.StatsCount = int(lines.size());

    KeywordListContent content;
    content.sorted = state_.ViewSelector == kAlphabetical;
    const int first = std::min(state_.ListStart, state_.StatsCount);
    content.entries.reserve(state_.StatsCount - first);
    if (content.sorted) {
        // Sorted as bytes, before the texts are made.
        std::vector<QByteArrayView> keywords;
        keywords.reserve(size_t(state_.StatsCount - first));
        for (int i = first; i < state_.StatsCount; ++i)
            keywords.push_back(keywordOf(lines[i]));
        for (const qsizetype at : order_.sortedPositions(keywords, {}))
            content.entries.append(fromLocalBytes(keywords[size_t(at)]));
    } else {
        for (int i = state_.StatsCount - 1; i >= first; --i)
            content.entries.append(entryText(lines[i]));
    }
    return content;
}

}  // namespace sorvanta
