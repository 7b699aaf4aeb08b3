#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace sorvanta {

// A small INI document read and written the way the Windows private-profile
// functions do it: section and key names match case-insensitively, only ";"
// starts a comment (so "#_tabs" is a key), the first of duplicate keys and
// sections wins, and a write changes its own line and no byte of any other.
class IniFile {
public:
    IniFile() = default;
    static IniFile parse(const QByteArray& contents);

    // Reads the file; a missing or unreadable file reads as empty.
    static IniFile load(const QString& path);

    // Reads the file before an update: a missing file is empty, but one that
    // exists and cannot be read throws, so a save never drops its other lines.
    static IniFile loadForUpdate(const QString& path);

    // The value with blanks and tabs trimmed at both ends and one matching pair
    // of quotes removed; nullopt when the key is missing.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    QByteArray readString(QByteArrayView section, QByteArrayView key,
                          const QByteArray& defaultValue = {}) const;
    int readInteger(QByteArrayView section, QByteArrayView key, int defaultValue) const;
    bool readBool(QByteArrayView section, QByteArrayView key, bool defaultValue) const;

    // Updates the key in place, or adds it after the last key line of its
    // section, or adds the section at the end. Line breaks in the value are
    // written as blanks so no value can add a key, and a value that is itself
    // quoted gets one more pair of quotes, so it reads back as written.
    void write(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    QByteArray contents() const;

    // Replaces the file in one atomic step. Throws AppError
    // "Unable to write to <path>" with the system's reason.
    void save(const QString& path) const;

    // Integer text as the private-profile functions read it: optional sign,
    // decimal digits, "0x"/"0X" (longer than two characters) or "$" hex.
    static std::optional<int> parseInteger(QByteArrayView text);

private:
    struct Span {
        qsizetype header = -1;  // line of the section header, -1 when missing
        qsizetype end = -1;     // first line after the section
    };
    struct Line {
        QByteArray text;  // without its line end
        QByteArray end;   // "\r\n", "\n", "\r" or empty for a last line without one
    };
    Span findSection(QByteArrayView section) const;
    qsizetype findKey(Span section, QByteArrayView key) const;
    static QByteArray encodeValue(QByteArrayView value);
    void endLastLine();

    QByteArray byteOrderMark_;
    QList<Line> lines_;
};

}  // namespace sorvanta
