#include "QuickKeywordLabel.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using sorvanta::QuickKeywordLabel;

namespace {

// A panel with the whole column, made visible and enabled as no user ever sees it.
struct ShownColumn {
    QWidget panel;
    std::array<QuickKeywordLabel*, QuickKeywordLabel::kKeywords.size()> labels =
        QuickKeywordLabel::createColumn(panel);

    ShownColumn()
    {
        panel.resize(161, 445);
        for (QuickKeywordLabel* label : labels) {
            label->show();
            label->setEnabled(true);
        }
        panel.show();
    }
};

void sendEnter(QWidget* w)
{
    QEnterEvent enter(QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &enter);
}

void sendLeave(QWidget* w)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

bool looksAtRest(const QuickKeywordLabel* label)
{
    const QFont f = label->font();
    return label->palette().color(QPalette::WindowText) == QuickKeywordLabel::kRestColor
           && !f.underline() && !f.bold() && !f.italic() && !f.strikeOut()
           && !label->testAttribute(Qt::WA_SetCursor);
}

bool looksHovered(const QuickKeywordLabel* label)
{
    const QFont f = label->font();
    return label->palette().color(QPalette::WindowText) == QuickKeywordLabel::kHoverColor
           && f.underline() && !f.bold() && !f.italic() && !f.strikeOut()
           && label->cursor().shape() == Qt::PointingHandCursor;
}

}  // namespace

class QuickKeywordLabelTest : public QObject {
    Q_OBJECT
private slots:
    void columnStartsHiddenDisabledAndBlue()
    {
        QWidget panel;
        const auto labels = QuickKeywordLabel::createColumn(panel);
        const QStringList captions{"Juno", "300", "next", "Pathfinder", "Freedom Writers",
                                   "Sunshine", "Shooter", "Thr3e", "Epic Movie", "Stomp the Yard"};
        panel.show();
        for (int row = 0; row < int(labels.size()); ++row) {
            const QuickKeywordLabel* label = labels[row];
            QCOMPARE(label->objectName(), QString("L_%1").arg(row + 1, 2, 10, QChar('0')));
            QCOMPARE(label->text(), captions[row]);
            QCOMPARE(label->pos(), QPoint(16, 24 + 16 * row));
            QVERIFY(label->isHidden());
            QVERIFY(!label->isEnabled());
            QVERIFY(!label->autoFillBackground());
            QVERIFY(looksAtRest(label));
            // Sized to its caption, on one line.
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        }
        QCOMPARE(captions[0].size(), 4);
    }

    void hoverTurnsOrangeUnderlinedWithHandAndLeaveRestores()
    {
        ShownColumn column;
        for (QuickKeywordLabel* label : column.labels) {
            sendEnter(label);
            QVERIFY2(looksHovered(label), qPrintable(label->objectName()));
            // The other labels keep their own look: each handles its own pointer.
            for (QuickKeywordLabel* other : column.labels)
                QVERIFY(other == label || looksAtRest(other));
            sendLeave(label);
            QVERIFY2(looksAtRest(label), qPrintable(label->objectName()));
        }
    }

    void hoverWorksOnAVisibleDisabledLabel()
    {
        ShownColumn column;
        QuickKeywordLabel* label = column.labels[3];
        label->setEnabled(false);
        sendEnter(label);
        QVERIFY(looksHovered(label));
        sendLeave(label);
        QVERIFY(looksAtRest(label));
    }

    void clickSendsTheCaptionAndLeaveAfterwardsRestoresTheLook()
    {
        ShownColumn column;
        QuickKeywordLabel* label = column.labels[9];
        QSignalSpy clicked(label, &QuickKeywordLabel::keywordClicked);
        sendEnter(label);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toString(), QString("Stomp the Yard"));
        sendLeave(label);
        QVERIFY(looksAtRest(label));
    }

    void onlyAFullLeftClickOnAnEnabledLabelCounts()
    {
        ShownColumn column;
        QuickKeywordLabel* label = column.labels[1];
        QSignalSpy clicked(label, &QuickKeywordLabel::keywordClicked);

        QTest::mouseClick(label, Qt::RightButton, {}, QPoint(3, 3));
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, 3));
        label->setEnabled(false);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicked.size(), 0);

        label->setEnabled(true);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toString(), QString("300"));
    }
};

QTEST_MAIN(QuickKeywordLabelTest)
#include "QuickKeywordLabelTest.moc"
