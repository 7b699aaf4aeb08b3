#include "StatisticsFile.h"

#include "AppError.h"
#include "WholeFile.h"

#include <QFileInfo>

#include <utility>

namespace sorvanta {

StatisticsFile::StatisticsFile(QString path) : path_(std::move(path)) {}

bool StatisticsFile::exists() const
{
    return QFileInfo::exists(path_);
}

void StatisticsFile::write(const QByteArray& contents) const
{
    if (const auto failure = replaceWholeFile(path_, contents)) {
        const QString what = failure->opening ? QStringLiteral("Cannot create") : QStringLiteral("Cannot write to");
        throw AppError(fileErrorMessage(what, path_, failure->reason));
    }
}

QByteArray StatisticsFile::readAll() const
{
    return readWholeFile(path_);
}

}  // namespace sorvanta
