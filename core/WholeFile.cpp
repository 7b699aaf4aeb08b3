#include "WholeFile.h"

#include "AppError.h"

#include <QDir>
#include <QFile>

namespace sorvanta {

QString fileErrorMessage(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason);
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(fileErrorMessage(QStringLiteral("Cannot open"), path, file.errorString()));
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(fileErrorMessage(QStringLiteral("Cannot read"), path, file.errorString()));
    return contents;
}

}  // namespace sorvanta
