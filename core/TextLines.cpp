#include "TextLines.h"

namespace sorvanta {

QList<QByteArrayView> splitLines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    forEachLine(text, [&lines](QByteArrayView line) { lines.append(line); });
    return lines;
}

}  // namespace sorvanta
