#include "GradientButton.h"
#include "OneColourPicture.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>

using sorvanta::GradientButton;

namespace {

enum class Drive { Normal, PointerOver, Pressed, Disabled, DisabledPointerOverPressed };

void drive(GradientButton& button, Drive how)
{
    const bool pointerOver = how == Drive::PointerOver || how == Drive::DisabledPointerOverPressed;
    const bool pressed = how == Drive::Pressed || how == Drive::DisabledPointerOverPressed;
    button.setEnabled(how != Drive::Disabled && how != Drive::DisabledPointerOverPressed);
    if (pointerOver) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &enter);
    }
    button.setDown(pressed);
}

bool near(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QImage render(GradientButton& button)
{
    return button.grab().toImage();
}

const QColor GlyphColour(1, 2, 250);

}  // namespace

Q_DECLARE_METATYPE(Drive)
Q_DECLARE_METATYPE(GradientButton::Palette)
using StateMember = GradientButton::StateColours GradientButton::Palette::*;
Q_DECLARE_METATYPE(StateMember)

class GradientButtonTest : public QObject {
    Q_OBJECT
private slots:
    void paintsTheColourSetOfItsState_data();
    void paintsTheColourSetOfItsState();
    void glyphAndCaptionAreCentredTogetherAndSinkWhenPressed();
    void focusRectangleStandsThreePixelsInside();
};

void GradientButtonTest::paintsTheColourSetOfItsState_data()
{
    QTest::addColumn<GradientButton::Palette>("palette");
    QTest::addColumn<Drive>("drive");
    QTest::addColumn<StateMember>("expected");

    using P = GradientButton::Palette;
    const struct { const char* name; P palette; } palettes[] = {{"green", GradientButton::green()},
                                                                {"blue", GradientButton::blue()}};
    for (const auto& p : palettes) {
        const QByteArray name(p.name);
        QTest::newRow(name + " normal") << p.palette << Drive::Normal << &P::normal;
        QTest::newRow(name + " pointer over") << p.palette << Drive::PointerOver << &P::hot;
        QTest::newRow(name + " pressed") << p.palette << Drive::Pressed << &P::pressed;
        QTest::newRow(name + " disabled") << p.palette << Drive::Disabled << &P::disabled;
        QTest::newRow(name + " disabled, pointer over, pressed")
            << p.palette << Drive::DisabledPointerOverPressed << &P::disabled;
    }
}

void GradientButtonTest::paintsTheColourSetOfItsState()
{
    QFETCH(GradientButton::Palette, palette);
    QFETCH(Drive, drive);
    QFETCH(StateMember, expected);

    GradientButton button(QString(), QIcon(), palette);
    button.resize(120, 100);
    ::drive(button, drive);
    const QImage image = render(button);
    const GradientButton::StateColours& colours = palette.*expected;
    const int w = image.width(), h = image.height();

    QCOMPARE(image.pixelColor(0, 0), colours.border);
    QCOMPARE(image.pixelColor(w - 1, h / 2), colours.border);
    QCOMPARE(image.pixelColor(w / 2, h - 1), colours.border);
    QCOMPARE(image.pixelColor(1, h / 2), colours.light);
    QCOMPARE(image.pixelColor(w / 2, 1), colours.light);
    QCOMPARE(image.pixelColor(w - 2, h / 2), colours.dark);
    QCOMPARE(image.pixelColor(w / 2, h - 2), colours.dark);
    // The face runs from the face colour at the top to the gradient colour at the bottom.
    QVERIFY2(near(image.pixelColor(w / 2, 2), colours.face, 6), "top of the face");
    QVERIFY2(near(image.pixelColor(w / 2, h - 3), colours.gradient, 6), "bottom of the face");
}

void GradientButtonTest::glyphAndCaptionAreCentredTogetherAndSinkWhenPressed()
{
    const QString caption = QStringLiteral("Search Keyword(s)");
    GradientButton button(caption, oneColourPicture(GlyphColour, GradientButton::GlyphSize), GradientButton::green());
    button.resize(200, 30);
    button.setEnabled(true);

    const QRect normal = boxOf(render(button), GlyphColour);
    const int contentWidth = GradientButton::GlyphSize + GradientButton::GlyphSpacing
                           + button.fontMetrics().horizontalAdvance(caption);
    QCOMPARE(normal.size(), QSize(GradientButton::GlyphSize, GradientButton::GlyphSize));
    QCOMPARE(normal.left(), (button.width() - contentWidth) / 2);
    QCOMPARE(normal.top(), button.height() / 2 - GradientButton::GlyphSize / 2);

    button.setDown(true);
    QCOMPARE(boxOf(render(button), GlyphColour), normal.translated(1, 1));
}

void GradientButtonTest::focusRectangleStandsThreePixelsInside()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QWidget;
    other->setFocusPolicy(Qt::StrongFocus);
    auto* button = new GradientButton(QString(), QIcon(), GradientButton::blue());
    button->setFixedSize(100, 40);
    layout->addWidget(button);
    layout->addWidget(other);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QColor focus = GradientButton::blue().focus;
    const int inset = GradientButton::FocusInset;

    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QVERIFY(render(*button).pixelColor(inset, 20) != focus);

    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    const QImage image = render(*button);
    QCOMPARE(image.pixelColor(inset, 20), focus);
    QCOMPARE(image.pixelColor(99 - inset, 20), focus);
    QCOMPARE(image.pixelColor(50, inset), focus);
    QCOMPARE(image.pixelColor(50, 39 - inset), focus);
    QVERIFY(image.pixelColor(inset + 1, 20) != focus);
}

QTEST_MAIN(GradientButtonTest)
#include "GradientButtonTest.moc"
