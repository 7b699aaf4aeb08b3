#pragma once

#include <QByteArray>
#include <QString>

namespace sorvanta {

// The month's statistics file, rewritten whole by every search.
class StatisticsFile {
public:
    explicit StatisticsFile(QString path);

    bool exists() const;

    // Replaces the file atomically, so readers see the old or the new file,
    // never half of one. Throws AppError naming the path and the reason.
    void write(const QByteArray& contents) const;

    // The whole file. Throws AppError when it cannot be read.
    QByteArray readAll() const;

private:
    QString path_;
};

}  // namespace sorvanta
