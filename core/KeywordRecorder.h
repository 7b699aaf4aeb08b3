#pragma once

#include "KeywordLog.h"
#include "ListOrder.h"
#include "StatisticsFile.h"

#include <QString>

namespace sorvanta {

// The bookkeeping of one search: log the keyword, count the whole log again and
// rewrite the statistics file. Throws AppError at the first failing file step.
class KeywordRecorder {
public:
    KeywordRecorder(const QString& keywordsFile, const QString& mostSearchedFile,
                    const ListOrder& order);

    void record(const QString& keyword) const;

private:
    KeywordLog log_;
    StatisticsFile statistics_;
    const ListOrder& order_;
};

}  // namespace sorvanta
