#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <bit>
#include <cstring>

namespace sorvanta {

// The first CR or LF from `from` on, or `end` when there is none.
inline const char* findLineEnd(const char* from, const char* end)
{
    constexpr quint64 everyByte = 0x0101010101010101ULL;
    if constexpr (std::endian::native == std::endian::little) {
        // Eight bytes a step; the lowest flagged byte is exact.
        for (; end - from >= 8; from += 8) {
            quint64 word;
            std::memcpy(&word, from, sizeof word);
            const quint64 cr = word ^ (everyByte * '\r');
            const quint64 lf = word ^ (everyByte * '\n');
            const quint64 ends = (((cr - everyByte) & ~cr) | ((lf - everyByte) & ~lf)) & (everyByte * 0x80);
            if (ends != 0)
                return from + std::countr_zero(ends) / 8;
        }
    }
    while (from < end && *from != '\r' && *from != '\n')
        ++from;
    return from;
}

// Calls lineFn(QByteArrayView) for each line of file contents, lines ending at
// CR, LF or CR LF. The end after the last line adds no empty line; a last line
// without an end still counts.
template <typename LineFn>
void forEachLine(QByteArrayView text, LineFn&& lineFn)
{
    const char* pos = text.data();
    const char* const end = pos + text.size();
    while (pos < end) {
        const char* const lineEnd = findLineEnd(pos, end);
        lineFn(QByteArrayView(pos, lineEnd - pos));
        if (lineEnd == end)
            break;
        pos = lineEnd + ((*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n') ? 2 : 1);
    }
}

QList<QByteArrayView> splitLines(QByteArrayView text);

// Text of the log and statistics files, in the system's 8-bit encoding. Qt
// takes that encoding as UTF-8 outside Windows; fromUtf8 then skips setting up
// a decoder for every line.
inline QString fromLocalBytes(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    return QString::fromLocal8Bit(bytes);
#else
    return QString::fromUtf8(bytes);
#endif
}

}  // namespace sorvanta
