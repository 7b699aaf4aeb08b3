#include "BenchLog.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace sorvanta::bench {

namespace {

const std::array<const char*, 24> kSyllables = {"ka", "lo", "mi", "ne", "su", "ta", "ri", "po",
                                                "ve", "do", "lin", "ux", "app", "le", "zeb", "ra",
                                                "qt", "net", "web", "sho", "mar", "kon", "tre", "bi"};
const std::array<const char*, 8> kForeignWords = {"café", "müller", "straße", "crème", "Ørsted",
                                                  "привет", "東京", "naïve"};

QString makeKeyword(std::mt19937_64& random)
{
    std::uniform_int_distribution<int> wordCount(1, 3), syllableCount(1, 3),
        syllable(0, int(kSyllables.size()) - 1), foreign(0, int(kForeignWords.size()) - 1), percent(0, 99);
    QStringList words;
    for (int w = wordCount(random); w > 0; --w) {
        QString word;
        for (int s = syllableCount(random); s > 0; --s)
            word += QLatin1StringView(kSyllables[size_t(syllable(random))]);
        words.append(word);
    }
    if (percent(random) < 10)
        words.append(QString::number(percent(random) * 37));
    if (percent(random) < 5)
        words.append(QString::fromUtf8(kForeignWords[size_t(foreign(random))]));
    return words.join(u' ');
}

// Search counts that follow 1/rank, at least one each, summing to `lines`.
std::vector<qsizetype> zipfCounts(qsizetype distinct, qsizetype lines)
{
    const auto total = [distinct](qsizetype top) {
        qsizetype sum = 0;
        for (qsizetype rank = 1; rank <= distinct; ++rank)
            sum += std::max<qsizetype>(1, top / rank);
        return sum;
    };
    qsizetype low = 1, high = lines;
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (total(mid) <= lines)
            low = mid;
        else
            high = mid - 1;
    }
    std::vector<qsizetype> counts;
    qsizetype sum = 0;
    for (qsizetype rank = 1; rank <= distinct; ++rank) {
        counts.push_back(std::max<qsizetype>(1, low / rank));
        sum += counts.back();
    }
    counts.front() += lines - sum;
    return counts;
}

}  // namespace

BenchLog makeBenchLog(qsizetype lines, quint64 seed)
{
    std::mt19937_64 random(seed);
    BenchLog log;
    log.lines = lines;
    QSet<QString> seen;
    while (log.keywords.size() < lines / 5) {
        const QString keyword = makeKeyword(random);
        if (!seen.contains(keyword.toLower())) {
            seen.insert(keyword.toLower());
            log.keywords.append(keyword);
        }
    }
    std::vector<QString> all;
    all.reserve(size_t(lines));
    std::uniform_int_distribution<int> percent(0, 99);
    const std::vector<qsizetype> counts = zipfCounts(log.keywords.size(), lines);
    for (qsizetype k = 0; k < log.keywords.size(); ++k) {
        for (qsizetype n = 0; n < counts[size_t(k)]; ++n) {
            const int spelling = percent(random);
            const QString& keyword = log.keywords[k];
            all.push_back(spelling < 3 ? keyword.toUpper() : spelling < 13 ? keyword.left(1).toUpper() + keyword.mid(1)
                                                                            : keyword);
        }
    }
    std::shuffle(all.begin(), all.end(), random);
    for (const QString& line : all)
        log.contents += line.toUtf8() + "\r\n";
    return log;
}

}  // namespace sorvanta::bench
