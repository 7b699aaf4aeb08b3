#include "WindowFont.h"

#include <QFontDatabase>

namespace sorvanta {

QFont windowFont()
{
    constexpr int PointSize = 8;
    const QString classic = QStringLiteral("MS Sans Serif");
    if (QFontDatabase::hasFamily(classic))
        return QFont(classic, PointSize);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(PointSize);
    return font;
}

}  // namespace sorvanta
