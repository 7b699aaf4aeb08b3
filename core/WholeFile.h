#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

namespace sorvanta {

// A file's whole contents. Throws AppError naming the path and the reason.
QByteArray readWholeFile(const QString& path);

// Writes all of `bytes`, going on after a short write, and returns how many
// went out: fewer when the disk takes no more, with the system's reason in
// file.errorString(). Open the file Unbuffered, or the failure waits for a
// flush whose result QSaveFile::commit() ignores, and a torn file replaces a
// whole one.
qint64 writeWhole(QFileDevice& file, QByteArrayView bytes);

// "<what> <path>: <reason>", the path as the system writes it.
QString fileErrorMessage(const QString& what, const QString& path, const QString& reason);

}  // namespace sorvanta
