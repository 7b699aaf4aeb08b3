#include "WholeFile.h"

#include "AppError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace sorvanta {

QString fileErrorMessage(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason);
}

qint64 writeWhole(QFileDevice& file, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        // A short write reports no error; the next one fails with the reason.
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            break;
        done += written;
    }
    return done;
}

std::optional<ReplaceFailure> replaceWholeFile(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ReplaceFailure{true, file.errorString()};
    if (writeWhole(file, bytes) != bytes.size()) {
        ReplaceFailure failure{false, file.errorString()};
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return ReplaceFailure{false, file.errorString()};
    return std::nullopt;
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
