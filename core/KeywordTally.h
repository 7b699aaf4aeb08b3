#pragma once

#include "ListOrder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace sorvanta {

struct TallyEntry {
    qsizetype count = 0;
    QByteArrayView keyword;  // within the log's contents: the spelling that sorts last among its case variants
    bool operator==(const TallyEntry&) const = default;
};

// Count field of a statistics line: zero-padded to three digits below 100.
QByteArray countField(qsizetype count);

// "<count field>|<keyword>"
QByteArray statisticsLine(const TallyEntry& entry);

// Counts the log's lines, keywords equal after folding A-Z to a-z being one
// keyword, and orders the result by count, then by ListOrder of the keyword.
// The entries point into logContents, which must outlive them.
QList<TallyEntry> tallyLog(QByteArrayView logContents, const ListOrder& order);

// The statistics file's bytes: every line followed by CR LF.
QByteArray statisticsFileContents(const QList<TallyEntry>& tally);

}  // namespace sorvanta
