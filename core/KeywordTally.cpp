#include "KeywordTally.h"

#include "TextLines.h"

#include <array>
#include <algorithm>
#include <bit>
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

// The `size` bytes at `data` (eight at most), zero-padded. Reading a whole
// word is safe up to `readable`, the end of the log.
quint64 loadWord(const char* data, qsizetype size, const char* readable)
{
    quint64 word = 0;
    if (readable - data >= 8) {
        std::memcpy(&word, data, sizeof word);
        if (size < 8) {
            if constexpr (std::endian::native == std::endian::little)
                word &= (quint64(1) << (8 * size)) - 1;
            else
                word &= ~((~quint64(0)) >> (8 * size));
        }
    } else {
        std::memcpy(&word, data, size_t(size < 8 ? size : 8));
    }
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

quint64 foldedHash(QByteArrayView line, const char* readable)
{
    quint64 h = quint64(line.size()) * 0x9e3779b97f4a7c15ULL;
    for (qsizetype at = 0; at < line.size(); at += 8) {
        h ^= foldAtoZ(loadWord(line.data() + at, line.size() - at, readable));
        h = (h ^ (h >> 29)) * 0xbf58476d1ce4e5b9ULL;
    }
    return mix(h);
}

bool sameBytes(QByteArrayView a, QByteArrayView b, const char* readable)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype at = 0; at < a.size(); at += 8) {
        if (loadWord(a.data() + at, a.size() - at, readable) != loadWord(b.data() + at, b.size() - at, readable))
            return false;
    }
    return true;
}

bool foldedEqual(QByteArrayView a, QByteArrayView b, const char* readable)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype at = 0; at < a.size(); at += 8) {
        if (foldAtoZ(loadWord(a.data() + at, a.size() - at, readable))
            != foldAtoZ(loadWord(b.data() + at, b.size() - at, readable)))
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
        const quint32 tag = quint32(foldedHash(line, logEnd()) >> 32);
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
        // Sorted from a packed copy: the keywords lie scattered over the log.
        std::vector<QByteArrayView> keywords;
        std::vector<qint64> counts;
        std::vector<qsizetype> starts;
        keywords.reserve(size_t(used_));
        counts.reserve(size_t(used_));
        starts.reserve(size_t(used_) + 1);
        QByteArray packed;
        packed.reserve(used_ * 24);
        for (const Slot& slot : slots_) {
            if (slot.count != 0) {
                keywords.push_back(lineAt(slot.keyword));
                counts.push_back(slot.count);
                starts.push_back(packed.size());
                packed.append(keywords.back());
            }
        }
        starts.push_back(packed.size());
        std::vector<QByteArrayView> packedKeywords;
        packedKeywords.reserve(keywords.size());
        for (size_t k = 0; k < keywords.size(); ++k)
            packedKeywords.emplace_back(packed.constData() + starts[k], starts[k + 1] - starts[k]);

        QList<TallyEntry> tally;
        tally.reserve(used_);
        for (const qsizetype at : order_.sortedPositions(packedKeywords, counts))
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
        const qsizetype rest = logEnd() - at;
        return rest >= line.size() && (rest == line.size() || at[line.size()] == '\r' || at[line.size()] == '\n');
    }

    const char* logEnd() const { return log_.data() + log_.size(); }

    QByteArrayView lineAt(const char* at) const { return QByteArrayView(at, findLineEnd(at, logEnd()) - at); }

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
            if (sameBytes(keyword, line, logEnd())) {
                ++slot.count;
                return;
            }
            if (foldedEqual(keyword, line, logEnd())) {
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

// Writes the count field at `out` (room for 23 characters); returns its end.
char* writeCountField(char* out, qsizetype count)
{
    char digits[20];
    const char* const end = std::to_chars(digits, digits + sizeof digits, count).ptr;
    for (qsizetype pad = end - digits; pad < 3; ++pad)
        *out++ = '0';
    return std::copy(static_cast<const char*>(digits), end, out);
}

}  // namespace

QByteArray countField(qsizetype count)
{
    char field[24];
    return QByteArray(field, writeCountField(field, count) - field);
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
        size += entry.keyword.size() + 24;
    QByteArray contents(size, Qt::Uninitialized);
    char* out = contents.data();
    for (const TallyEntry& entry : tally) {
        out = writeCountField(out, entry.count);
        *out++ = '|';
        if (!entry.keyword.isEmpty())
            out = std::copy(entry.keyword.begin(), entry.keyword.end(), out);
        *out++ = '\r';
        *out++ = '\n';
    }
    contents.truncate(out - contents.constData());
    return contents;
}

}  // namespace sorvanta
