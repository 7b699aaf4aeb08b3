#include "IniFile.h"

#include "AppError.h"
#include "TextLines.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace sorvanta {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
constexpr QByteArrayView kLineEnd("\r\n");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names fold A-Z only, so bytes of UTF-8 sequences never match one another.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

bool isQuotedPair(QByteArrayView text)
{
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'')
        && text.back() == text.front();
}

// The name between the brackets of a section header, or nullopt for any other line.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed(text.sliced(1, close - 1));
}

struct KeyLine {
    QByteArrayView key;
    QByteArrayView rawValue;  // everything after the "="
    qsizetype keyEnd = 0;     // where the key's spelling ends in the line
};

std::optional<KeyLine> keyLine(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (text.startsWith(';'))
        return std::nullopt;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    QByteArrayView beforeEquals = line.first(equals);
    while (!beforeEquals.isEmpty() && isBlank(beforeEquals.back()))
        beforeEquals.chop(1);
    return KeyLine{trimmed(beforeEquals), line.sliced(equals + 1), beforeEquals.size()};
}

std::optional<int> parseDigits(QByteArrayView digits, int base, bool negative)
{
    if (digits.isEmpty())
        return std::nullopt;
    // Accumulate toward the sign so INT_MIN reads without overflow.
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && asciiLower(c) >= 'a' && asciiLower(c) <= 'f')
            digit = asciiLower(c) - 'a' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit)
            return std::nullopt;
    }
    if (!negative && magnitude == kLimit)
        return std::nullopt;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

[[noreturn]] void throwWriteError(const QString& path, const QString& reason)
{
    throw AppError(QStringLiteral("Unable to write to %1: %2")
                       .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason));
}

}  // namespace

IniFile IniFile::parse(const QByteArray& contents)
{
    IniFile ini;
    QByteArrayView rest(contents);
    if (rest.startsWith(kByteOrderMark)) {
        ini.byteOrderMark_ = kByteOrderMark.toByteArray();
        rest = rest.sliced(kByteOrderMark.size());
    }
    while (!rest.isEmpty()) {
        const qsizetype end = findLineEnd(rest.data(), rest.data() + rest.size()) - rest.data();
        qsizetype endLength = 0;
        if (end < rest.size())
            endLength = (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ? 2 : 1;
        ini.lines_.append({rest.first(end).toByteArray(), rest.sliced(end, endLength).toByteArray()});
        rest = rest.sliced(end + endLength);
    }
    return ini;
}

IniFile IniFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

IniFile IniFile::loadForUpdate(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throwWriteError(path, file.errorString());
    return parse(file.readAll());
}

IniFile::Span IniFile::findSection(QByteArrayView section) const
{
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i].text);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end].text))
            ++end;
        return {i, end};
    }
    return {-1, -1};
}

qsizetype IniFile::findKey(Span section, QByteArrayView key) const
{
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        const auto line = keyLine(lines_[i].text);
        if (line && sameName(line->key, key))
            return i;
    }
    return -1;
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    const Span span = findSection(section);
    if (span.header < 0)
        return std::nullopt;
    const qsizetype at = findKey(span, key);
    if (at < 0)
        return std::nullopt;
    QByteArrayView text = trimmed(keyLine(lines_[at].text)->rawValue);
    if (isQuotedPair(text))
        text = text.sliced(1, text.size() - 2);
    return text.toByteArray();
}

QByteArray IniFile::readString(QByteArrayView section, QByteArrayView key,
                               const QByteArray& defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

int IniFile::readInteger(QByteArrayView section, QByteArrayView key, int defaultValue) const
{
    const auto text = value(section, key);
    if (!text)
        return defaultValue;
    return parseInteger(*text).value_or(defaultValue);
}

bool IniFile::readBool(QByteArrayView section, QByteArrayView key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<int> IniFile::parseInteger(QByteArrayView text)
{
    if (text.size() > 2 && (text.startsWith("0x") || text.startsWith("0X")))
        return parseDigits(text.sliced(2), 16, false);
    if (text.startsWith('$'))
        return parseDigits(text.sliced(1), 16, false);
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    return parseDigits(text, 10, negative);
}

QByteArray IniFile::encodeValue(QByteArrayView value)
{
    QByteArray written = value.toByteArray();
    written.replace('\r', ' ').replace('\n', ' ');
    // The reader strips one pair of quotes, so a quoted value gets one more pair.
    const QByteArrayView core = trimmed(written);
    if (isQuotedPair(core))
        return '"' + core.toByteArray() + '"';
    return written;
}

void IniFile::endLastLine()
{
    if (!lines_.isEmpty() && lines_.back().end.isEmpty())
        lines_.back().end = kLineEnd.toByteArray();
}

void IniFile::write(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QByteArray newValue = encodeValue(value);
    const Span span = findSection(section);
    if (span.header < 0) {
        endLastLine();
        lines_.append({'[' + section.toByteArray() + ']', kLineEnd.toByteArray()});
        lines_.append({key.toByteArray() + '=' + newValue, kLineEnd.toByteArray()});
        return;
    }
    const qsizetype at = findKey(span, key);
    if (at >= 0) {
        Line& line = lines_[at];
        line.text = line.text.first(keyLine(line.text)->keyEnd) + '=' + newValue;
        if (line.end.isEmpty())
            line.end = kLineEnd.toByteArray();
        return;
    }
    qsizetype after = span.header;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (keyLine(lines_[i].text))
            after = i;
    }
    if (lines_[after].end.isEmpty())
        lines_[after].end = kLineEnd.toByteArray();
    lines_.insert(after + 1, {key.toByteArray() + '=' + newValue, kLineEnd.toByteArray()});
}

QByteArray IniFile::contents() const
{
    QByteArray text = byteOrderMark_;
    for (const Line& line : lines_)
        text += line.text + line.end;
    return text;
}

void IniFile::save(const QString& path) const
{
    if (const auto failure = replaceWholeFile(path, contents()))
        throwWriteError(path, failure->reason);
}

}  // namespace sorvanta
