#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sorvanta::bench {

// A month's keyword log as a heavy user leaves it: about one line in five a
// keyword of its own, the rest repeats in a Zipf mix, some lines capitalised
// or in capitals, some keywords with non-ASCII letters, CR LF line ends.
struct BenchLog {
    QByteArray contents;
    QStringList keywords;  // the distinct keywords, most searched first
    qsizetype lines = 0;
};

BenchLog makeBenchLog(qsizetype lines, quint64 seed);

}  // namespace sorvanta::bench
