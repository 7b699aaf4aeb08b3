#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace sorvanta {

// A file's whole contents. Throws AppError naming the path and the reason.
QByteArray readWholeFile(const QString& path);

// Writes all of `bytes`, going on after a short write, and returns how many
// went out: fewer when the disk takes no more, with the system's reason in
// file.errorString(). Open the file Unbuffered, or the failure waits for a
// flush whose result QSaveFile::commit() ignores, and a torn file replaces a
// whole one.
qint64 writeWhole(QFileDevice& file, QByteArrayView bytes);

// Why replaceWholeFile failed: at opening the file or later, and the system's reason.
struct ReplaceFailure {
    bool opening = false;
    QString reason;
};

// Replaces the file with `bytes` in one atomic step, so readers see the old or
// the new file, never half of one. A directory that takes no temporary file but
// holds a file we may write gets it written in place.
std::optional<ReplaceFailure> replaceWholeFile(const QString& path, QByteArrayView bytes);

// "<what> <path>: <reason>", the path as the system writes it.
QString fileErrorMessage(const QString& what, const QString& path, const QString& reason);

}  // namespace sorvanta
