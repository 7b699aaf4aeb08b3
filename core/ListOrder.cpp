#include "ListOrder.h"

#include "TextLines.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace sorvanta {

namespace {

// Characters the rank table may cover; upper case letters take the rank of
// their lower case. The apostrophe is left out: some locales contract it with
// the letters around it.
constexpr std::string_view kRankableChars = " ,-./:#&+_0123456789abcdefghijklmnopqrstuvwxyz";

int compareBytes(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    if (common > 0) {
        if (const int c = std::memcmp(a.data(), b.data(), size_t(common)))
            return c;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

char16_t unitOf(char c) { return static_cast<unsigned char>(c); }
char16_t unitOf(QChar c) { return c.unicode(); }

}  // namespace

// Sorts many texts at once. Each text carries the ranks of its leading ranked
// characters, the first ten packed into one integer, so most comparisons
// settle without the collator. Ranks decide where two texts differ within their
// ranked leads: every ranked character weighs one collation element there. The
// lead of a text that goes on with other characters stops one short, since the
// last one could join the next in a contraction.
template <typename Texts>
class RankedSort {
public:
    RankedSort(const ListOrder& order, Texts& texts, std::span<const qint64> groups)
        : order_(order), texts_(texts)
    {
        items_.reserve(size_t(texts.size()));
        for (qsizetype i = 0; i < texts.size(); ++i)
            items_.push_back(itemFor(i, groups.empty() ? 0 : groups[size_t(i)]));
    }

    QList<qsizetype> positions()
    {
        // Heads place every text whose head is exact; the few others are
        // sorted apart and merged in.
        std::vector<quint32> exact = sortedByHeads();
        std::vector<quint32> inexact;
        std::erase_if(exact, [this, &inexact](quint32 item) {
            if (exactHead(items_[item]))
                return false;
            inexact.push_back(item);
            return true;
        });
        sortEqualHeads(exact);
        const auto less = [this](quint32 a, quint32 b) { return this->less(items_[a], items_[b]); };
        std::sort(inexact.begin(), inexact.end(), less);

        QList<qsizetype> result;
        result.reserve(qsizetype(items_.size()));
        size_t next = 0;
        for (const quint32 item : inexact) {
            const size_t at = upperBoundFrom(exact, next, item, less);
            for (; next < at; ++next)
                result.append(exact[next]);
            result.append(item);
        }
        for (; next < exact.size(); ++next)
            result.append(exact[next]);
        return result;
    }

private:
    static constexpr int kHeadRanks = 10;
    static constexpr int kRankBits = 6;
    static constexpr quint64 kRankMask = (1 << kRankBits) - 1;

    struct Item {
        qint64 group;
        quint64 head;  // first lead ranks, the first in the highest bits, zero-padded
        quint32 leadStart;  // in ranks_, of the ranks past the head
        qint32 leadSize;
        quint32 index;
        bool whole;  // the lead is the whole text
    };

    // The head holds the first ranks; ranks_ keeps only those past it.
    Item itemFor(qsizetype index, qint64 group)
    {
        const auto text = texts_.view(index);
        const qsizetype tailStart = qsizetype(ranks_.size());
        const auto& rankTable = order_.rank_;  // kept in a register through the loop
        quint64 head = 0;
        qint32 size = 0;
        bool whole = true;
        for (const auto c : text) {
            const char16_t unit = unitOf(c);
            const quint8 rank = unit < rankTable.size() ? rankTable[unit] : 0;
            if (rank == 0) {
                whole = false;
                if (size > kHeadRanks)
                    ranks_.pop_back();
                else if (size > 0)
                    head &= ~(kRankMask << fieldShift(size - 1));
                size = std::max(size - 1, 0);
                break;
            }
            if (size < kHeadRanks)
                head |= quint64(rank) << fieldShift(size);
            else
                ranks_.push_back(rank);
            ++size;
        }
        return Item{group, head, quint32(tailStart), size, quint32(index), whole};
    }

    static constexpr int fieldShift(int field) { return (kHeadRanks - 1 - field) * kRankBits; }

    bool less(const Item& a, const Item& b)
    {
        if (a.group != b.group)
            return a.group < b.group;
        if (const int c = compareLeads(a, b))
            return c < 0;
        if (!a.whole || !b.whole) {
            texts_.prepare(a.index);
            texts_.prepare(b.index);
            if (const int c = order_.collate(texts_.string(a.index), texts_.string(b.index)))
                return c < 0;
        }
        return texts_.tie(a.index, b.index) < 0;
    }

    // <0 or >0 when the leads decide, 0 when they cannot.
    int compareLeads(const Item& a, const Item& b) const
    {
        if (a.head != b.head) {
            const int shift = (63 - std::countl_zero(a.head ^ b.head)) / kRankBits * kRankBits;
            const quint64 rankA = (a.head >> shift) & kRankMask;
            const quint64 rankB = (b.head >> shift) & kRankMask;
            if (rankA != 0 && rankB != 0)
                return rankA < rankB ? -1 : 1;
            return endedLead(rankA == 0 ? a : b, rankA == 0 ? -1 : 1);
        }
        if (a.leadSize <= kHeadRanks && b.leadSize <= kHeadRanks)
            return 0;
        const qsizetype common = std::min(a.leadSize, b.leadSize) - kHeadRanks;
        if (common > 0) {
            if (const int c = std::memcmp(ranks_.data() + a.leadStart, ranks_.data() + b.leadStart, size_t(common)))
                return c;
        }
        if (a.leadSize == b.leadSize)
            return 0;
        return a.leadSize < b.leadSize ? endedLead(a, -1) : endedLead(b, 1);
    }

    // One lead ended where the other goes on: a whole text then sorts first,
    // having fewer collation elements; the end of a partial lead decides nothing.
    static int endedLead(const Item& ended, int sign) { return ended.whole ? sign : 0; }

    // Integer keys first: the heads put most texts in place. A radix sort on
    // (group, head), twelve bits a pass from the lowest, each pass stable.
    std::vector<quint32> sortedByHeads() const
    {
        struct Key {
            quint64 head;
            quint32 group;  // rank among the distinct groups
            quint32 item;
        };
        const std::vector<quint32> groupRanks = rankGroups();
        std::vector<Key> keys(items_.size());
        for (size_t i = 0; i < items_.size(); ++i)
            keys[i] = Key{items_[i].head, groupRanks[i], quint32(i)};
        std::vector<Key> buffer(keys.size());
        constexpr int digitBits = 12;
        const auto pass = [&keys, &buffer](auto digitOf) {
            std::vector<size_t> starts((1 << digitBits) + 1, 0);
            for (const Key& key : keys)
                ++starts[digitOf(key) + 1];
            if (std::find(starts.begin(), starts.end(), keys.size()) != starts.end())
                return;  // one digit for all: nothing moves
            for (size_t d = 1; d < starts.size(); ++d)
                starts[d] += starts[d - 1];
            for (const Key& key : keys)
                buffer[starts[digitOf(key)]++] = key;
            keys.swap(buffer);
        };
        for (int shift = 0; shift < kHeadRanks * kRankBits; shift += digitBits)
            pass([shift](const Key& key) { return size_t(key.head >> shift) & ((1 << digitBits) - 1); });
        const quint32 topGroup = groupRanks.empty() ? 0 : *std::max_element(groupRanks.begin(), groupRanks.end());
        for (int shift = 0; shift < 32 && (topGroup >> shift) != 0; shift += digitBits)
            pass([shift](const Key& key) { return size_t(key.group >> shift) & ((1 << digitBits) - 1); });

        std::vector<quint32> sorted;
        sorted.reserve(keys.size());
        for (const Key& key : keys)
            sorted.push_back(key.item);
        return sorted;
    }

    // Dense ranks of the items' groups, in the groups' order. Groups are
    // counts: a table over their range does, unless the range is wide.
    std::vector<quint32> rankGroups() const
    {
        std::vector<quint32> ranks;
        ranks.reserve(items_.size());
        if (items_.empty())
            return ranks;
        const auto [lowest, highest] = std::minmax_element(items_.begin(), items_.end(),
            [](const Item& a, const Item& b) { return a.group < b.group; });
        const quint64 range = quint64(highest->group) - quint64(lowest->group);
        if (range < 4 * quint64(items_.size()) + 64) {
            std::vector<quint32> rankOf(size_t(range) + 2, 0);
            for (const Item& item : items_)
                rankOf[size_t(item.group - lowest->group) + 1] = 1;
            for (size_t g = 1; g < rankOf.size(); ++g)
                rankOf[g] += rankOf[g - 1];
            for (const Item& item : items_)
                ranks.push_back(rankOf[size_t(item.group - lowest->group)]);
            return ranks;
        }
        std::vector<qint64> distinct;
        distinct.reserve(items_.size());
        for (const Item& item : items_)
            distinct.push_back(item.group);
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        for (const Item& item : items_)
            ranks.push_back(quint32(std::lower_bound(distinct.begin(), distinct.end(), item.group) - distinct.begin()));
        return ranks;
    }

    // A whole text's head is exact (its padding is its end), and so is a head
    // filled with ranks; the end of a shorter partial lead decides nothing.
    static bool exactHead(const Item& item) { return item.whole || item.leadSize >= kHeadRanks; }

    // Exact heads order their texts unless equal: those runs get the full comparison.
    void sortEqualHeads(std::vector<quint32>& sorted)
    {
        const auto less = [this](quint32 a, quint32 b) { return this->less(items_[a], items_[b]); };
        const auto sameHead = [this](quint32 a, quint32 b) {
            return items_[a].group == items_[b].group && items_[a].head == items_[b].head;
        };
        for (auto run = sorted.begin(); run != sorted.end();) {
            auto runEnd = std::next(run);
            while (runEnd != sorted.end() && sameHead(*run, *runEnd))
                ++runEnd;
            if (runEnd - run > 1)
                std::sort(run, runEnd, less);
            run = runEnd;
        }
    }

    // The first of `sorted` from `from` on that sorts after `item`; a galloping
    // search, as the answer mostly lies close to `from`.
    template <typename Less>
    static size_t upperBoundFrom(const std::vector<quint32>& sorted, size_t from, quint32 item, Less less)
    {
        size_t known = from;  // the items before it sort no later than `item`
        size_t probe = from;
        for (size_t step = 1; probe < sorted.size() && !less(item, sorted[probe]); step *= 2) {
            known = probe + 1;
            probe += step;
        }
        const auto begin = sorted.begin();
        const auto high = begin + qsizetype(std::min(probe, sorted.size()));
        return size_t(std::upper_bound(begin + qsizetype(known), high, item, less) - begin);
    }

    const ListOrder& order_;
    Texts& texts_;
    std::vector<Item> items_;
    std::vector<quint8> ranks_;
};

namespace {

// Texts in the local 8-bit encoding, turned into UTF-16 only when the collator
// needs them, all into one buffer.
class Local8BitTexts {
public:
    explicit Local8BitTexts(std::span<const QByteArrayView> texts)
        : texts_(texts), starts_(texts.size(), -1), sizes_(texts.size(), 0)
    {
    }

    qsizetype size() const { return qsizetype(texts_.size()); }
    QByteArrayView view(qsizetype i) const { return texts_[size_t(i)]; }
    int tie(qsizetype i, qsizetype j) const { return compareBytes(texts_[size_t(i)], texts_[size_t(j)]); }

    // Converts text i; string(i) is valid from then on until the next prepare.
    void prepare(qsizetype i)
    {
        if (starts_[size_t(i)] < 0) {
            const QByteArrayView bytes = texts_[size_t(i)];
            starts_[size_t(i)] = utf16_.size();
            if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
                utf16_.append(QLatin1StringView(bytes));
            else
                utf16_.append(fromLocalBytes(bytes));
            sizes_[size_t(i)] = utf16_.size() - starts_[size_t(i)];
        }
    }

    QStringView string(qsizetype i) const
    {
        return QStringView(utf16_).sliced(starts_[size_t(i)], sizes_[size_t(i)]);
    }

private:
    std::span<const QByteArrayView> texts_;
    std::vector<qsizetype> starts_;
    std::vector<qsizetype> sizes_;
    QString utf16_;
};

struct StringTexts {
    const QStringList& texts;
    qsizetype size() const { return texts.size(); }
    QStringView view(qsizetype i) const { return texts[i]; }
    void prepare(qsizetype) const {}
    QStringView string(qsizetype i) const { return texts[i]; }
    int tie(qsizetype i, qsizetype j) const { return compareBytes(texts[i].toUtf8(), texts[j].toUtf8()); }
};

}  // namespace

ListOrder::ListOrder(const QLocale& locale) : collator_(locale)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    buildRankTable();
}

int ListOrder::collate(QStringView a, QStringView b) const
{
    return collator_.compare(a, b);
}

void ListOrder::buildRankTable()
{
    QStringList singles;
    for (const char c : kRankableChars)
        singles.append(QString(QChar(c)));
    std::sort(singles.begin(), singles.end(),
              [this](const QString& a, const QString& b) { return collate(a, b) < 0; });
    for (qsizetype i = 0; i < singles.size(); ++i)
        rank_[singles[i][0].unicode()] = quint8(i + 1);
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        rank_[c] = rank_[c | 0x20];
    if (!rankTableAgrees())
        rank_.fill(0);
}

// The table stands in for the collator only where the two agree: on the empty
// text, every text of one or two ranked characters, and their upper case forms.
bool ListOrder::rankTableAgrees() const
{
    std::vector<QChar> byRank(kRankableChars.size());
    for (const char c : kRankableChars)
        byRank[rank_[unitOf(c)] - 1] = QChar(c);

    QString previous;
    for (const QChar first : byRank) {
        for (qsizetype length = 1; length <= qsizetype(byRank.size()) + 1; ++length) {
            const QString text = length == 1 ? QString(first) : QString(first) + byRank[size_t(length - 2)];
            if (collate(previous, text) >= 0)
                return false;
            previous = text;
        }
    }
    for (char16_t a = u'a'; a <= u'z'; ++a) {
        const QChar upperA(a & ~0x20);
        if (collate(QString(QChar(a)), QString(upperA)) != 0)
            return false;
        for (char16_t b = u'a'; b <= u'z'; ++b) {
            const QString lower = QString(QChar(a)) + QChar(b);
            if (collate(lower, QString(upperA) + QChar(b)) != 0
                || collate(lower, QString(QChar(a)) + QChar(b & ~0x20)) != 0)
                return false;
        }
    }
    return true;
}

template <typename Text>
std::optional<int> ListOrder::rankedCompare(Text a, Text b) const
{
    const auto ranked = [this](Text text) {
        return std::all_of(text.begin(), text.end(), [this](auto c) { return rankOf(unitOf(c)) != 0; });
    };
    if (!ranked(a) || !ranked(b))
        return std::nullopt;
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int c = int(rankOf(unitOf(a[i]))) - int(rankOf(unitOf(b[i])));
        if (c != 0)
            return c;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int ListOrder::compare(QStringView a, QStringView b) const
{
    if (const std::optional<int> c = rankedCompare(a, b))
        return *c != 0 ? *c : a.compare(b, Qt::CaseSensitive);
    if (const int c = collate(a, b))
        return c;
    return compareBytes(a.toUtf8(), b.toUtf8());
}

int ListOrder::compareLocal8Bit(QByteArrayView a, QByteArrayView b) const
{
    if (const std::optional<int> c = rankedCompare(a, b))
        return *c != 0 ? *c : compareBytes(a, b);
    if (const int c = collate(fromLocalBytes(a), fromLocalBytes(b)))
        return c;
    return compareBytes(a, b);
}

void ListOrder::sort(QStringList& texts) const
{
    StringTexts source{texts};
    const QList<qsizetype> positions = RankedSort<StringTexts>(*this, source, {}).positions();
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const qsizetype p : positions)
        sorted.append(std::move(texts[p]));
    texts = std::move(sorted);
}

QList<qsizetype> ListOrder::sortedPositions(std::span<const QByteArrayView> texts,
                                            std::span<const qint64> groups) const
{
    Local8BitTexts source(texts);
    return RankedSort<Local8BitTexts>(*this, source, groups).positions();
}

}  // namespace sorvanta
