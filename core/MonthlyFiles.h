#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace sorvanta {

// Source of today's local date; tests set their own.
using DateSource = std::function<QDate()>;
DateSource systemDate();

// Fixed English month name for 1 to 12, empty for any other value.
QString MonthName(int month);

// Month name, "_" and year of the date the source gives, e.g. "March_2007".
QString MonthStamp(const DateSource& today);

// Directory part of an executable's full path, without a trailing separator
// unless it is the root ("/", "C:\").
QString appDirOf(const QString& executablePath);

// The two monthly paths beside the executable, e.g. <dir>/keywords_March_2007.txt.
QString keywordsFilePath(const QString& appDir, const QString& monthStamp);
QString mostSearchedFilePath(const QString& appDir, const QString& monthStamp);

}  // namespace sorvanta
