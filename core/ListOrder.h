#pragma once

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace sorvanta {

// The order of the statistics list: locale-aware and case-insensitive, digits
// before letters, the empty text first; texts it holds equal are ordered by
// their bytes so case variants of a keyword stand together in a fixed order.
class ListOrder {
public:
    explicit ListOrder(const QLocale& locale = QLocale::system());

    // <0, 0 or >0 like strcmp.
    int compare(const QString& a, const QString& b) const;
    bool lessThan(const QString& a, const QString& b) const { return compare(a, b) < 0; }

    // A key whose byte order is this order; for sorting many texts at once.
    QByteArray sortKey(const QString& text) const;

    void sort(QStringList& texts) const;

private:
    QCollator collator_;
};

}  // namespace sorvanta
