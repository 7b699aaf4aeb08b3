#pragma once

#include <QByteArray>
#include <QString>

namespace sorvanta {

// The month's keyword log: one line per search, only ever appended to.
class KeywordLog {
public:
    explicit KeywordLog(QString path);

    // Appends the keyword and CR LF in a single write, so copies of the program
    // appending at once never tear or lose a line. Line breaks inside the
    // keyword become blanks. Throws AppError naming the path and the reason.
    void append(const QString& keyword) const;

    // The whole log. Throws AppError when it cannot be read.
    QByteArray readAll() const;

    // The bytes one search appends.
    static QByteArray lineFor(const QString& keyword);

private:
    QString path_;
};

}  // namespace sorvanta
