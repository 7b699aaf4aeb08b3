// Properties of the line splitter and the tally on any keyword log:
// - the lines, with their CR, LF or CR LF ends, spell the log again;
// - the counts add up to the number of lines, and each entry counts exactly the
//   lines equal to its keyword once A-Z are folded, spelled as the variant that
//   sorts last;
// - the entries stand by count, then in ListOrder of their keywords;
// - the statistics file, split and parsed again, gives the same entries, and
//   the list shows each keyword whole;
// - ListOrder is one order: on bytes and on the list's texts alike, antisymmetric,
//   and the list's alphabetical sort agrees with it between any two entries.
//
// Input layout: one byte that picks the collation locale, then the log.

#include "KeywordTally.h"
#include "ListOrder.h"
#include "StatisticsView.h"
#include "TextLines.h"

#include <QByteArray>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace sorvanta;

namespace {

void check(bool ok, const char* what, const QByteArray& detail = {})
{
    if (!ok) {
        std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.toPercentEncoding(" |").constData());
        std::abort();
    }
}

QByteArray bytes(QByteArrayView text)
{
    return text.toByteArray();
}

QByteArray folded(QByteArrayView text)
{
    QByteArray out = text.toByteArray();
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

const ListOrder& orderFor(uint8_t selector)
{
    static const std::array<QLocale, 5> locales = {
        QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale::c()};
    static std::array<std::unique_ptr<ListOrder>, 5> orders;
    auto& order = orders[selector % orders.size()];
    if (!order)
        order = std::make_unique<ListOrder>(locales[selector % locales.size()]);
    return *order;
}

void checkSplit(QByteArrayView log, const QList<QByteArrayView>& lines)
{
    qsizetype pos = 0;
    for (const QByteArrayView line : lines) {
        check(pos < log.size(), "a line after the end of the log", log.toByteArray());
        check(line.data() == log.data() + pos, "a line does not start where the previous one ended",
              log.toByteArray());
        check(!line.contains('\r') && !line.contains('\n'), "a line holds a line break");
        pos += line.size();
        if (pos == log.size())
            continue;
        check(log[pos] == '\r' || log[pos] == '\n', "a line ends before its line break", log.toByteArray());
        if (log[pos] == '\r' && pos + 1 < log.size() && log[pos + 1] == '\n')
            ++pos;
        ++pos;
    }
    check(pos == log.size(), "the lines do not cover the whole log", log.toByteArray());
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

void checkOneOrder(const ListOrder& order, const QList<TallyEntry>& tally)
{
    const qsizetype n = tally.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QByteArrayView a = tally[i].keyword;
        const QByteArrayView b = tally[(i * 7 + 3) % n].keyword;
        const int onBytes = sign(order.compareLocal8Bit(a, b));
        check(onBytes == -sign(order.compareLocal8Bit(b, a)), "the order is not antisymmetric",
              bytes(a) + "\n" + bytes(b));
        if (a.isValidUtf8() && b.isValidUtf8()) {
            check(onBytes == sign(order.compare(QString::fromUtf8(a), QString::fromUtf8(b))),
                  "bytes and texts are ordered differently", bytes(a) + "\n" + bytes(b));
        }
    }

    QStringList texts;
    for (const TallyEntry& entry : tally)
        texts.append(QString::fromLocal8Bit(bytes(entry.keyword)));
    order.sort(texts);
    for (qsizetype i = 1; i < texts.size(); ++i) {
        check(order.compare(texts[i - 1], texts[i]) <= 0, "the alphabetical list is out of order",
              (texts[i - 1] + u'\n' + texts[i]).toUtf8());
        // Some earlier entry, scattered over the list: the order is transitive.
        const qsizetype earlier = qsizetype((quint64(i) * 0x9E3779B97F4A7C15ULL) >> 40) % i;
        check(order.compare(texts[earlier], texts[i]) <= 0, "the order is not transitive",
              (texts[earlier] + u'\n' + texts[i]).toUtf8());
    }
}

qsizetype parseCountField(QByteArrayView field)
{
    check(field.size() >= 3, "count field shorter than three digits", field.toByteArray());
    qsizetype count = 0;
    for (const char c : field) {
        check(c >= '0' && c <= '9', "count field holds a non-digit", field.toByteArray());
        count = count * 10 + (c - '0');
    }
    check(field.size() == 3 || field[0] != '0', "count field padded beyond three digits", field.toByteArray());
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const ListOrder& order = orderFor(data[0]);
    const QByteArrayView log(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));

    const QList<QByteArrayView> lines = splitLines(log);
    checkSplit(log, lines);

    QHash<QByteArray, qsizetype> expectedCounts;
    for (const QByteArrayView line : lines)
        ++expectedCounts[folded(line)];

    const QList<TallyEntry> tally = tallyLog(log, order);
    check(tally.size() == expectedCounts.size(), "entries do not match the distinct keywords", log.toByteArray());

    qsizetype total = 0;
    QSet<QByteArray> seen;
    for (qsizetype i = 0; i < tally.size(); ++i) {
        const TallyEntry& entry = tally[i];
        total += entry.count;
        const QByteArray key = folded(entry.keyword);
        check(!seen.contains(key), "a keyword has two entries", bytes(entry.keyword));
        seen.insert(key);
        check(expectedCounts.value(key) == entry.count, "an entry has the wrong count", bytes(entry.keyword));
        if (i > 0) {
            const TallyEntry& prev = tally[i - 1];
            check(prev.count < entry.count
                      || (prev.count == entry.count && order.compareLocal8Bit(prev.keyword, entry.keyword) < 0),
                  "entries out of order", bytes(prev.keyword) + "\n" + bytes(entry.keyword));
        }
    }
    check(total == lines.size(), "counts do not add up to the number of lines", log.toByteArray());

    // The spelling kept is a line of the log and sorts last among its case variants.
    QHash<QByteArray, QByteArray> spelling;
    for (const TallyEntry& entry : tally)
        spelling.insert(folded(entry.keyword), bytes(entry.keyword));
    QSet<QByteArray> spelledInLog;
    for (const QByteArrayView line : lines) {
        const QByteArray kept = spelling.value(folded(line));
        check(order.compareLocal8Bit(line, kept) <= 0, "the kept spelling is not the last case variant",
              line.toByteArray() + "\n" + kept);
        if (line == kept)
            spelledInLog.insert(kept);
    }
    check(spelledInLog.size() == tally.size(), "a kept spelling is no line of the log");

    checkOneOrder(order, tally);

    // Written and read back.
    const QByteArray file = statisticsFileContents(tally);
    check(tally.isEmpty() ? file.isEmpty() : file.endsWith("\r\n"), "the file does not end with CR LF");
    const QList<QByteArrayView> fileLines = splitLines(file);
    check(fileLines.size() == tally.size(), "the file has another number of lines than entries", file);
    for (qsizetype i = 0; i < tally.size(); ++i) {
        const QByteArrayView line = fileLines[i];
        const qsizetype bar = line.indexOf('|');
        check(bar >= 0, "a statistics line has no |", line.toByteArray());
        check(parseCountField(line.first(bar)) == tally[i].count, "count read back differs", line.toByteArray());
        check(line.sliced(bar + 1) == tally[i].keyword, "keyword read back differs", line.toByteArray());
        check(line == statisticsLine(tally[i]), "the file line differs from the entry's line", line.toByteArray());
        check(StatisticsView::entryText(line) == QString::fromLocal8Bit(bytes(tally[i].keyword)),
              "the list shows another text than the keyword", line.toByteArray());
    }
    return 0;
}
