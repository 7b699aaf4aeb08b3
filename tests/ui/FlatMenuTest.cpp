#include "FlatMenu.h"
#include "OneColourPicture.h"

#include <QAction>
#include <QImage>
#include <QTest>

using sorvanta::FlatMenu;

namespace {

const QColor PictureColour(1, 2, 250);

}  // namespace

class FlatMenuTest : public QObject {
    Q_OBJECT
private slots:
    void picturesStandInAShadedColumnAtTheLeft();
};

void FlatMenuTest::picturesStandInAShadedColumnAtTheLeft()
{
    FlatMenu menu;
    QAction* add = menu.addAction(oneColourPicture(PictureColour, 16), QStringLiteral("Add Tab"));
    menu.addSeparator();
    QAction* exit = menu.addAction(QStringLiteral("Exit"));
    menu.adjustSize();
    const QImage image = menu.grab().toImage();

    const QRect addRow = menu.actionGeometry(add);
    const QRect picture = boxOf(image, PictureColour);
    QCOMPARE(picture.size(), QSize(16, 16));
    QVERIFY2(picture.left() < 12 && addRow.contains(picture), "picture at the left of its row");
    QCOMPARE(picture.center().y(), addRow.center().y());

    // The column's shade runs unbroken through every row, the body is white.
    const int columnX = 2;
    const QColor column = image.pixelColor(columnX, menu.actionGeometry(exit).center().y());
    QVERIFY(column != QColor(Qt::white));
    for (int y = addRow.top(); y <= menu.actionGeometry(exit).bottom(); ++y)
        QCOMPARE(image.pixelColor(columnX, y), column);
    QCOMPARE(image.pixelColor(image.width() - 4, menu.actionGeometry(exit).top() + 1), QColor(Qt::white));
}

QTEST_MAIN(FlatMenuTest)
#include "FlatMenuTest.moc"
