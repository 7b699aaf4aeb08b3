#include "KeywordLog.h"

#include "AppError.h"
#include "WholeFile.h"

#include <QFile>

#include <utility>

namespace sorvanta {

KeywordLog::KeywordLog(QString path) : path_(std::move(path)) {}

QByteArray KeywordLog::lineFor(const QString& keyword)
{
    QString text = keyword;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text.toLocal8Bit() + "\r\n";
}

void KeywordLog::append(const QString& keyword) const
{
    const QByteArray line = lineFor(keyword);
    QFile file(path_);
    // Unbuffered append: the whole line goes out in one write() on a file opened
    // with O_APPEND, so lines from several copies never interleave.
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
        throw AppError(fileErrorMessage(QStringLiteral("Cannot open"), path_, file.errorString()));
    const qint64 written = writeWhole(file, line);
    if (written != line.size()) {
        const QString reason = file.errorString();
        // Cut off the part of the line a full disk took, so the next line does
        // not run on from it.
        if (written > 0)
            file.resize(file.size() - written);
        throw AppError(fileErrorMessage(QStringLiteral("Cannot write to"), path_, reason));
    }
}

QByteArray KeywordLog::readAll() const
{
    return readWholeFile(path_);
}

}  // namespace sorvanta
