#include "MonthlyFiles.h"

#include <QDir>

#include <array>

namespace sorvanta {

DateSource systemDate()
{
    return [] { return QDate::currentDate(); };
}

QString MonthName(int month)
{
    // Fixed, never localised: the names are part of the file names.
    static constexpr std::array<const char16_t*, 12> names = {
        u"January", u"February", u"March",     u"April",   u"May",      u"June",
        u"July",    u"August",   u"September", u"October", u"November", u"December"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf16(names[month - 1]);
}

QString MonthStamp(const DateSource& today)
{
    const QDate date = today();
    return MonthName(date.month()) + u'_' + QString::number(date.year());
}

namespace {

bool isSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'\\' || c == u'/' || c == u':';
#else
    return c == u'/';
#endif
}

}  // namespace

QString appDirOf(const QString& executablePath)
{
    const QString path = QDir::toNativeSeparators(executablePath);
    qsizetype last = path.size() - 1;
    while (last >= 0 && !isSeparator(path[last]))
        --last;
    if (last < 0)
        return {};
    // A root directory ("/", "C:\") keeps its separator; any other loses it.
    const bool keep = path[last] == u':' || last == 0 || isSeparator(path[last - 1]);
    return path.left(keep ? last + 1 : last);
}

QString keywordsFilePath(const QString& appDir, const QString& monthStamp)
{
    return appDir + QDir::separator() + QStringLiteral("keywords_") + monthStamp + QStringLiteral(".txt");
}

QString mostSearchedFilePath(const QString& appDir, const QString& monthStamp)
{
    return appDir + QDir::separator() + QStringLiteral("most_searched_") + monthStamp + QStringLiteral(".txt");
}

}  // namespace sorvanta
