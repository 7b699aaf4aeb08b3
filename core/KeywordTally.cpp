#include "KeywordTally.h"

#include "TextLines.h"

#include <array>
#include <charconv>
#include <cstring>
#include <vector>

namespace sorvanta {

namespace {

constexpr quint64 kEveryByte = 0x0101010101010101ULL;

// Eight bytes at once with A-Z turned into a-z and every other byte kept.
quint64 foldAtoZ(quint64 bytes)
{
    const quint64 low7 = bytes & (kEveryByte * 0x7f);
    const quint64 atLeastA = low7 + kEveryByte * (0x80 - 'A');
    const quint64 aboveZ = low7 + kEveryByte * (0x80 - 'Z' - 1);
    const quint64 upper = atLeastA & ~aboveZ & ~bytes & (kEveryByte * 0x80);
    return bytes | (upper >> 2);
}

quint64 loadWord(const char* data, qsizetype size)
{
    quint64 word = 0;
    std::memcpy(&word, data, size_t(size < 8 ? size : 8));
    return word;
}

quint64 mix(quint64 h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

quint64 foldedHash(QByteArrayView line)
{
    quint64 h = quint64(line.size()) * 0x9e3779b97f4a7c15ULL;
    for (qsizetype at = 0; at < line.size(); at += 8) {
        h ^= foldAtoZ(loadWord(line.data() + at, line.size() - at));
        h = (h ^ (h >> 29)) * 0xbf58476d1ce4e5b9ULL;
    }
    return mix(h);
}

bool sameBytes(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype at = 0; at < a.size(); at += 8) {
        if (loadWord(a.data() + at, a.size() - at) != loadWord(b.data() + at, b.size() - at))
            return false;
    }
    return true;
}

bool foldedEqual(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype at = 0; at < a.size(); at += 8) {
        if (foldAtoZ(loadWord(a.data() + at, a.size() - at))
            != foldAtoZ(loadWord(b.data() + at, b.size() - at)))
            return false;
    }
    return true;
}

// Open addressing on the folded line's hash. A slot keeps where the line
// starts in the log, its length being the rest of that line: sixteen bytes a
// slot keep the table in the caches longer. Lines are hashed a batch ahead of
// their lookup, with their slots prefetched.
class KeywordCounter {
public:
    KeywordCounter(QByteArrayView log, const ListOrder& order) : log_(log), order_(order)
    {
        // Typical log lines run to a few dozen bytes; a few of them repeat a lot.
        qsizetype capacity = 64;
        while (capacity < log.size() / 32)
            capacity *= 2;
        slots_.resize(size_t(capacity));
    }

    void add(QByteArrayView line)
    {
        const quint32 tag = quint32(foldedHash(line) >> 32);
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&slots_[tag & (slots_.size() - 1)]);
#endif
        pending_[pendingCount_++] = Pending{line, tag};
        if (pendingCount_ == pending_.size())
            flush();
    }

    void flush()
    {
        for (size_t i = 0; i < pendingCount_; ++i)
            insert(pending_[i].line, pending_[i].tag);
        pendingCount_ = 0;
    }

    QList<TallyEntry> sorted() const
    {
        std::vector<QByteArrayView> keywords;
        std::vector<qint64> counts;
        keywords.reserve(size_t(used_));
        counts.reserve(size_t(used_));
        for (const Slot& slot : slots_) {
            if (slot.count != 0) {
                keywords.push_back(lineAt(slot.keyword));
                counts.push_back(slot.count);
            }
        }
        QList<TallyEntry> tally;
        tally.reserve(used_);
        for (const qsizetype at : order_.sortedPositions(keywords, counts))
            tally.append(TallyEntry{counts[size_t(at)], keywords[size_t(at)]});
        return tally;
    }

private:
    // A free slot has count 0.
    struct Slot {
        const char* keyword = nullptr;
        quint32 tag = 0;
        quint32 count = 0;
    };

    struct Pending {
        QByteArrayView line;
        quint32 tag;
    };

    // Whether the log holds `line` whole at `at`: its bytes, then a line end.
    bool lineIs(const char* at, QByteArrayView line) const
    {
        const qsizetype rest = log_.data() + log_.size() - at;
        return rest >= line.size() && (rest == line.size() || at[line.size()] == '\r' || at[line.size()] == '\n');
    }

    QByteArrayView lineAt(const char* at) const
    {
        const char* end = at;
        const char* const logEnd = log_.data() + log_.size();
        while (end < logEnd && *end != '\r' && *end != '\n')
            ++end;
        return QByteArrayView(at, end - at);
    }

    void insert(QByteArrayView line, quint32 tag)
    {
        if ((used_ + 1) * 2 > qsizetype(slots_.size()))
            grow();
        const size_t mask = slots_.size() - 1;
        for (size_t at = tag & mask;; at = (at + 1) & mask) {
            Slot& slot = slots_[at];
            if (slot.count == 0) {
                slot = Slot{line.data(), tag, 1};
                ++used_;
                return;
            }
            if (slot.tag != tag || !lineIs(slot.keyword, line))
                continue;
            const QByteArrayView keyword(slot.keyword, line.size());
            if (sameBytes(keyword, line)) {
                ++slot.count;
                return;
            }
            if (foldedEqual(keyword, line)) {
                ++slot.count;
                if (order_.compareLocal8Bit(line, keyword) > 0)
                    slot.keyword = line.data();
                return;
            }
        }
    }

    void grow()
    {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        const size_t mask = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.count == 0)
                continue;
            size_t at = slot.tag & mask;
            while (slots_[at].count != 0)
                at = (at + 1) & mask;
            slots_[at] = slot;
        }
    }

    QByteArrayView log_;
    const ListOrder& order_;
    std::vector<Slot> slots_;
    qsizetype used_ = 0;
    std::array<Pending, 16> pending_;
    size_t pendingCount_ = 0;
};

// Appends the count field; to_chars keeps a million-line tally cheap.
void appendCountField(QByteArray& out, qsizetype count)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, count).ptr;
    const qsizetype length = end - digits;
    for (qsizetype pad = length; pad < 3; ++pad)
        out.append('0');
    out.append(digits, length);
}

}  // namespace

QByteArray countField(qsizetype count)
{
    QByteArray field;
    appendCountField(field, count);
    return field;
}

QByteArray statisticsLine(const TallyEntry& entry)
{
    return countField(entry.count) + '|' + entry.keyword.toByteArray();
}

QList<TallyEntry> tallyLog(QByteArrayView logContents, const ListOrder& order)
{
    KeywordCounter counter(logContents, order);
    forEachLine(logContents, [&counter](QByteArrayView line) { counter.add(line); });
    counter.flush();
    return counter.sorted();
}

QByteArray statisticsFileContents(const QList<TallyEntry>& tally)
{
    qsizetype size = 0;
    for (const TallyEntry& entry : tally)
        size += entry.keyword.size() + 8;
    QByteArray contents;
    contents.reserve(size);
    for (const TallyEntry& entry : tally) {
        appendCountField(contents, entry.count);
        contents.append('|').append(entry.keyword).append("\r\n");
    }
    return contents;
}

}  // namespace sorvanta
