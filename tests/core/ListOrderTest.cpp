#include "ListOrder.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace sorvanta;
using namespace Qt::StringLiterals;

namespace {

// The order spelled out from its definition: the collator, then the UTF-8 bytes.
int referenceCompare(const QCollator& collator, const QString& a, const QString& b)
{
    if (const int c = collator.compare(a, b))
        return c;
    return a.toUtf8() < b.toUtf8() ? -1 : (a.toUtf8() > b.toUtf8() ? 1 : 0);
}

QStringList referenceSorted(const QCollator& collator, QStringList texts)
{
    std::stable_sort(texts.begin(), texts.end(), [&collator](const QString& a, const QString& b) {
        return referenceCompare(collator, a, b) < 0;
    });
    return texts;
}

int sign(int value) { return (value > 0) - (value < 0); }

// Short texts from letters, digits, blanks, punctuation, accented letters in
// both cases and a combining accent: the characters where shortcuts go wrong.
QStringList randomTexts(int count, quint32 seed)
{
    static const QString alphabet = QString::fromUtf8("aAbBcChHiIlLsSzZ09 -._'|éÉèßøØıİ\u0301çÇ");
    QRandomGenerator random(seed);
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        QString text;
        for (int n = random.bounded(0, 12); n > 0; --n)
            text += alphabet[random.bounded(int(alphabet.size()))];
        texts.append(text);
    }
    return texts;
}

}  // namespace

class ListOrderTest : public QObject {
    Q_OBJECT

private slots:
    void properties_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("C") << QLocale::c();
    }

    // What the statistics list relies on, whatever the locale: case variants
    // together in a fixed order, digits before letters, the empty text first.
    void properties()
    {
        QFETCH(QLocale, locale);
        const ListOrder order(locale);
        QStringList texts{u"linux"_s, u"9"_s, u"Apple"_s, u""_s, u"LINUX"_s, u"0"_s,
                          u"apple"_s, u"Linux"_s, u"zebra"_s, u"10"_s};
        order.sort(texts);
        const QStringList expected{u""_s, u"0"_s, u"10"_s, u"9"_s, u"Apple"_s, u"apple"_s,
                                   u"LINUX"_s, u"Linux"_s, u"linux"_s, u"zebra"_s};
        QCOMPARE(texts, expected);
        QVERIFY(order.compare(u"Linux", u"linux") < 0);
        QCOMPARE(order.compare(u"linux", u"linux"), 0);
        QVERIFY(order.compareLocal8Bit("linux", "Linux") > 0);
    }

    void agreesWithCollator_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("sv_SE") << QLocale(QLocale::Swedish, QLocale::Sweden);
        QTest::newRow("da_DK") << QLocale(QLocale::Danish, QLocale::Denmark);
        QTest::newRow("cs_CZ") << QLocale(QLocale::Czech, QLocale::CzechRepublic);
        QTest::newRow("tr_TR") << QLocale(QLocale::Turkish, QLocale::Turkey);
        QTest::newRow("C") << QLocale::c();
    }

    // The shortcuts past the collator must give its answer in every locale,
    // also where contractions or special case rules make them step aside
    // (a decomposed "å" sorts after "z" in Swedish).
    void agreesWithCollator()
    {
        QFETCH(QLocale, locale);
        const ListOrder order(locale);
        QCollator collator(locale);
        collator.setCaseSensitivity(Qt::CaseInsensitive);

        const QStringList texts = randomTexts(3000, 7)
            + QStringList{u"ch"_s, u"cz"_s, u"h"_s, u"aa"_s, u"z"_s, u"Ich"_s, u"ich"_s, u"ıch"_s,
                          u"a\u030A"_s, u"b"_s, u"ka\u030Ab"_s, u"kz"_s, u"n\u0303"_s, u"o"_s};
        for (qsizetype i = 1; i < texts.size(); ++i) {
            const QString& a = texts[i - 1];
            const QString& b = texts[i];
            const int expected = sign(referenceCompare(collator, a, b));
            QCOMPARE(sign(order.compare(a, b)), expected);
            QCOMPARE(sign(order.compareLocal8Bit(a.toUtf8(), b.toUtf8())), expected);
        }

        const QStringList expected = referenceSorted(collator, texts);
        QStringList sorted = texts;
        order.sort(sorted);
        QCOMPARE(sorted, expected);

        // A few ordered runs, as the alphabetical view reads them from the
        // statistics file, are merged rather than sorted afresh.
        QStringList runs;
        for (qsizetype start = 0; start < texts.size(); start += 1000)
            runs += referenceSorted(collator, texts.mid(start, 1000));
        order.sort(runs);
        QCOMPARE(runs, expected);
    }

    void groupsComeFirst()
    {
        const ListOrder order(QLocale(QLocale::English, QLocale::UnitedStates));
        const std::vector<QByteArrayView> texts{"beta", "alpha", "zebra", "caf\xc3\xa9", "apple"};
        const std::vector<qint64> groups{2, 2, 1, 3, 3};
        const QList<qsizetype> expected{2, 1, 0, 4, 3};
        QCOMPARE(order.sortedPositions(texts, groups), expected);
    }
};

QTEST_GUILESS_MAIN(ListOrderTest)
#include "ListOrderTest.moc"
