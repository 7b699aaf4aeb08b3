#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <bit>
#include <cstring>

namespace sorvanta {

// Calls lineFn(QByteArrayView) for each line of file contents, lines ending at
// CR, LF or CR LF. The end after the last line adds no empty line; a last line
// without an end still counts.
template <typename LineFn>
void forEachLine(QByteArrayView text, LineFn&& lineFn)
{
    constexpr quint64 everyByte = 0x0101010101010101ULL;
    // High bit set in each byte that is CR or LF; exact up to the lowest one.
    const auto lineEnds = [](quint64 word) {
        const quint64 cr = word ^ (everyByte * '\r');
        const quint64 lf = word ^ (everyByte * '\n');
        return (((cr - everyByte) & ~cr) | ((lf - everyByte) & ~lf)) & (everyByte * 0x80);
    };
    const char* pos = text.data();
    const char* const end = pos + text.size();
    const char* lineStart = pos;
    while (pos < end) {
        quint64 word = 0;
        std::memcpy(&word, pos, size_t(end - pos < 8 ? end - pos : 8));
        if constexpr (std::endian::native == std::endian::little) {
            const quint64 ends = lineEnds(word);
            if (ends == 0) {
                pos += 8;
                continue;
            }
            pos += std::countr_zero(ends) / 8;
        } else {
            const char* stop = pos + (end - pos < 8 ? end - pos : 8);
            while (pos < stop && *pos != '\r' && *pos != '\n')
                ++pos;
            if (pos == stop)
                continue;
        }
        if (pos >= end)
            break;
        lineFn(QByteArrayView(lineStart, pos - lineStart));
        pos += (*pos == '\r' && pos + 1 < end && pos[1] == '\n') ? 2 : 1;
        lineStart = pos;
    }
    if (lineStart < end)
        lineFn(QByteArrayView(lineStart, end - lineStart));
}

QList<QByteArrayView> splitLines(QByteArrayView text);

}  // namespace sorvanta
