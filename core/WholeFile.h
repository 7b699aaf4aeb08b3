#pragma once

#include <QByteArray>
#include <QString>

namespace sorvanta {

// A file's whole contents. Throws AppError naming the path and the reason.
QByteArray readWholeFile(const QString& path);

// "<what> <path>: <reason>", the path as the system writes it.
QString fileErrorMessage(const QString& what, const QString& path, const QString& reason);

}  // namespace sorvanta
