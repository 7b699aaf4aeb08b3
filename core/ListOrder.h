#pragma once

#include <QByteArrayView>
#include <QCollator>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace sorvanta {

// The order of the statistics list: locale-aware and case-insensitive, digits
// before letters, the empty text first; texts it holds equal are ordered by
// their bytes so case variants of a keyword stand together in a fixed order.
class ListOrder {
public:
    explicit ListOrder(const QLocale& locale = QLocale::system());

    // <0, 0 or >0 like strcmp; ties are broken by the UTF-8 bytes.
    int compare(QStringView a, QStringView b) const;

    // The same order for texts in the local 8-bit encoding; ties by those bytes.
    int compareLocal8Bit(QByteArrayView a, QByteArrayView b) const;

    void sort(QStringList& texts) const;

    // Positions 0..n-1 of local 8-bit texts ordered by their group, then by this
    // order (the tally orders keywords by count, then alphabetically).
    QList<qsizetype> sortedPositions(std::span<const QByteArrayView> texts,
                                     std::span<const qint64> groups) const;

private:
    template <typename Texts>
    friend class RankedSort;

    // Plain ASCII letters, digits, blanks and a little punctuation are compared
    // through a rank table once the collator is checked to agree with it there:
    // the collator costs far more per comparison. 0: not ranked.
    quint8 rankOf(char16_t c) const { return c < rank_.size() ? rank_[c] : 0; }
    int collate(QStringView a, QStringView b) const;
    template <typename Text>
    std::optional<int> rankedCompare(Text a, Text b) const;  // nullopt: not both ranked
    void buildRankTable();
    bool rankTableAgrees() const;

    QCollator collator_;
    std::array<quint8, 128> rank_{};
};

}  // namespace sorvanta
