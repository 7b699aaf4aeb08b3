#include "StatisticsFile.h"

#include "AppError.h"
#include "WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace sorvanta {

StatisticsFile::StatisticsFile(QString path) : path_(std::move(path)) {}

bool StatisticsFile::exists() const
{
    return QFileInfo::exists(path_);
}

void StatisticsFile::write(const QByteArray& contents) const
{
    QSaveFile file(path_);
    // A directory we may not create files in but a file we may write: write in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw AppError(fileErrorMessage(QStringLiteral("Cannot create"), path_, file.errorString()));
    if (writeWhole(file, contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw AppError(fileErrorMessage(QStringLiteral("Cannot write to"), path_, reason));
    }
    if (!file.commit())
        throw AppError(fileErrorMessage(QStringLiteral("Cannot write to"), path_, file.errorString()));
}

QByteArray StatisticsFile::readAll() const
{
    return readWholeFile(path_);
}

}  // namespace sorvanta
