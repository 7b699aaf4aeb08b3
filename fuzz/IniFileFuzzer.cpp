// Properties of the INI reader and writer on any input:
// - any bytes parse, and an untouched document is written back byte for byte;
// - a written value reads back as written, minus blanks and tabs at its ends,
//   with line breaks turned into blanks, also after the bytes are parsed again;
// - a write replaces at most its own line and adds at most a key line and a
//   section header; every other line keeps its bytes;
// - integers in plain decimal read back as the number they spell.
//
// Input layout: the document, then "\0\0", then the bytes that choose the writes.

#include "IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using sorvanta::IniFile;

namespace {

void fail(const char* what, const QByteArray& detail = {})
{
    std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.toPercentEncoding(" =[];#|\"'").constData());
    std::abort();
}

void check(bool ok, const char* what, const QByteArray& detail = {})
{
    if (!ok)
        fail(what, detail);
}

struct Line {
    QByteArray text;
    QByteArray end;
};

// The oracle's own line split: CR, LF and CR LF end a line.
std::vector<Line> splitKeepingEnds(const QByteArray& bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype endLength = 0;
        if (end < bytes.size())
            endLength = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        lines.push_back({bytes.mid(start, end - start), bytes.mid(end, endLength)});
        start = end + endLength;
    }
    return lines;
}

// A line kept by a write: same text, same end, except that a last line without
// an end may gain CR LF when something is added after it.
bool kept(const Line& before, const Line& after, bool lastBefore)
{
    return before.text == after.text
        && (before.end == after.end || (lastBefore && before.end.isEmpty() && after.end == "\r\n"));
}

void checkOnlyOwnLinesChanged(const QByteArray& beforeBytes, const QByteArray& afterBytes)
{
    // A byte-order mark stays in front of whatever the first line becomes.
    static const QByteArray kByteOrderMark("\xEF\xBB\xBF");
    const bool marked = beforeBytes.startsWith(kByteOrderMark);
    check(afterBytes.startsWith(kByteOrderMark) == marked, "a write changed the byte-order mark", afterBytes);
    const qsizetype skip = marked ? kByteOrderMark.size() : 0;
    const std::vector<Line> before = splitKeepingEnds(beforeBytes.sliced(skip));
    const std::vector<Line> after = splitKeepingEnds(afterBytes.sliced(skip));
    const size_t nb = before.size();
    const size_t na = after.size();
    size_t prefix = 0;
    while (prefix < nb && prefix < na && kept(before[prefix], after[prefix], prefix + 1 == nb))
        ++prefix;
    size_t suffix = 0;
    while (suffix < nb - prefix && suffix < na - prefix
           && kept(before[nb - 1 - suffix], after[na - 1 - suffix], suffix == 0))
        ++suffix;
    const size_t removed = nb - prefix - suffix;
    const size_t added = na - prefix - suffix;
    const bool unchanged = removed == 0 && added == 0;  // the same value written again
    const bool updateInPlace = removed == 1 && added == 1;
    const bool insertion = removed == 0 && added >= 1 && added <= 2;
    check(unchanged || updateInPlace || insertion, "a write changed lines other than its own",
          beforeBytes + "\n----\n" + afterBytes);
}

QByteArray asciiLower(QByteArray text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

QByteArray expectedReadBack(QByteArray written)
{
    written.replace('\r', ' ').replace('\n', ' ');
    qsizetype begin = 0;
    qsizetype end = written.size();
    while (begin < end && (written[begin] == ' ' || written[begin] == '\t'))
        ++begin;
    while (end > begin && (written[end - 1] == ' ' || written[end - 1] == '\t'))
        --end;
    return written.mid(begin, end - begin);
}

// Names as the program and a hand-edited file spell them: no blanks at the ends,
// none of the characters that would make the line something else.
QByteArray pickName(FuzzedDataProvider& in, std::initializer_list<const char*> known)
{
    const auto choice = in.ConsumeIntegralInRange<size_t>(0, known.size());
    if (choice < known.size())
        return QByteArray(known.begin()[choice]);
    static constexpr char kAlphabet[] = "abcXYZ019_#.- ";
    QByteArray name;
    for (const char c : in.ConsumeRandomLengthString(12))
        name += kAlphabet[static_cast<unsigned char>(c) % (sizeof kAlphabet - 1)];
    name = name.trimmed();
    return name.isEmpty() ? QByteArray("k") : name;
}

void checkIntegerReading(FuzzedDataProvider& in)
{
    const int n = in.ConsumeIntegral<int>();
    check(IniFile::parseInteger(QByteArray::number(n)) == n, "decimal integer does not read back");
    if (n >= 0) {
        check(IniFile::parseInteger("+" + QByteArray::number(n)) == n, "signed integer does not read back");
        check(IniFile::parseInteger("0x" + QByteArray::number(n, 16)) == n, "0x integer does not read back");
        check(IniFile::parseInteger("$" + QByteArray::number(n, 16).toUpper()) == n,
              "$ integer does not read back");
    }

    // Any decimal spelling: the number when it fits an int, nothing otherwise.
    const std::string digits = in.ConsumeRandomLengthString(24);
    QByteArray text(digits.data(), static_cast<qsizetype>(digits.size()));
    const auto got = IniFile::parseInteger(text);
    QByteArrayView body(text);
    const bool negative = body.startsWith('-');
    if (negative || body.startsWith('+'))
        body = body.sliced(1);
    const bool allDigits = !body.isEmpty()
        && std::all_of(body.begin(), body.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits)
        return;
    std::string spelled = (negative ? "-" : "") + std::string(body.data(), static_cast<size_t>(body.size()));
    long long expected = 0;
    const auto [end, error] = std::from_chars(spelled.data(), spelled.data() + spelled.size(), expected);
    const bool fits = error == std::errc() && expected >= std::numeric_limits<int>::min()
        && expected <= std::numeric_limits<int>::max();
    check(got == (fits ? std::optional<int>(static_cast<int>(expected)) : std::nullopt),
          "decimal text reads as the wrong integer", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Any bytes parse, and with no write the document comes back unchanged.
    check(IniFile::parse(input).contents() == input, "an untouched document changed", input);

    const qsizetype split = input.indexOf(QByteArrayView("\0\0", 2));
    const QByteArray document = split < 0 ? input : input.first(split);
    const QByteArray plan = split < 0 ? QByteArray() : input.sliced(split + 2);
    FuzzedDataProvider in(reinterpret_cast<const uint8_t*>(plan.constData()), static_cast<size_t>(plan.size()));

    IniFile ini = IniFile::parse(document);
    QHash<QPair<QByteArray, QByteArray>, QByteArray> written;  // folded names -> expected value
    const int writes = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < writes; ++i) {
        const QByteArray section = pickName(in, {"Tamrin SETTINGS", "tamrin settings", "TAMRIN SETTINGS"});
        const QByteArray key = pickName(in, {"#_tabs", "tabs_bottom", "tab_name_1", "TAB_NAME_1", "tab_address_2"});
        const std::string valueText = in.ConsumeRandomLengthString(300);
        const QByteArray value(valueText.data(), static_cast<qsizetype>(valueText.size()));

        const QByteArray before = ini.contents();
        ini.write(section, key, value);
        checkOnlyOwnLinesChanged(before, ini.contents());
        written.insert({asciiLower(section), asciiLower(key)}, expectedReadBack(value));

        for (auto it = written.cbegin(); it != written.cend(); ++it) {
            const auto got = ini.value(it.key().first, it.key().second);
            check(got == it.value(), "a written value does not read back",
                  it.key().first + " / " + it.key().second + " = " + it.value() + "\n----\n" + ini.contents());
        }
    }

    // The same values once the bytes are parsed again, and those bytes are stable.
    const QByteArray saved = ini.contents();
    const IniFile reread = IniFile::parse(saved);
    check(reread.contents() == saved, "written bytes do not parse back to themselves", saved);
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        check(reread.value(it.key().first, it.key().second) == it.value(),
              "a written value does not read back from the file", saved);
    }

    checkIntegerReading(in);
    return 0;
}
