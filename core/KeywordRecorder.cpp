#include "KeywordRecorder.h"

#include "KeywordTally.h"

namespace sorvanta {

KeywordRecorder::KeywordRecorder(const QString& keywordsFile, const QString& mostSearchedFile,
                                 const ListOrder& order)
    : log_(keywordsFile), statistics_(mostSearchedFile), order_(order)
{
}

void KeywordRecorder::record(const QString& keyword) const
{
    log_.append(keyword);
    const QByteArray log = log_.readAll();
    statistics_.write(statisticsFileContents(tallyLog(log, order_)));
}

}  // namespace sorvanta
