#include "support/message_box_answerer.h"
#include "support/running_form.h"
#include "support/sliding_solver.h"

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using zanfira::qttest::MessageBoxAnswerer;
using zanfira::qttest::RunningForm;

namespace {

constexpr int cellsPerRow = 4;
constexpr int dezesseis = 15; // the blank's home: never painted

// Past the border and the focus frame, where only the background shows.
constexpr int interiorInset = 3;

// The first pixel of the ring inside the button's border that is not `expected`.
QString interiorMismatch(QPushButton &button, const QColor &expected)
{
    const QImage image = button.grab().toImage();
    const QRect ring =
        image.rect().adjusted(interiorInset, interiorInset, -interiorInset, -interiorInset);
    for (int x = ring.left(); x <= ring.right(); ++x) {
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
            const bool onRing =
                x == ring.left() || x == ring.right() || y == ring.top() || y == ring.bottom();
            if (onRing && image.pixelColor(x, y) != expected) {
                return QStringLiteral("%1 at (%2, %3) is %4, not %5")
                    .arg(button.objectName())
                    .arg(x)
                    .arg(y)
                    .arg(image.pixelColor(x, y).name(), expected.name());
            }
        }
    }
    return {};
}

} // namespace

// The colours the rules give the cells, read back from the pixels Qt draws, under every
// widget style this Qt offers: completed rows pure red, the others the palette's button face.
class ButtonColoursTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void completedRowsArePaintedRed_data();
    void completedRowsArePaintedRed();

private:
    QString originalStyle_;
    std::unique_ptr<RunningForm> form_;
};

void ButtonColoursTest::initTestCase()
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    originalStyle_ = QApplication::style()->name();
}

void ButtonColoursTest::cleanup()
{
    form_.reset();
    QApplication::setStyle(originalStyle_);
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void ButtonColoursTest::completedRowsArePaintedRed_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("solveFirst");
    QTest::addColumn<QList<int>>("thenClick");
    QTest::addColumn<int>("redRows");

    const QList<int> quinze{14};
    const QList<int> quinzeThenOnze{14, 10};
    for (const QString &style : QStyleFactory::keys()) {
        const QByteArray name = style.toUtf8();
        QTest::newRow(name + ", start") << style << false << QList<int>{} << 0;
        QTest::newRow(name + ", solved") << style << true << QList<int>{} << 4;
        QTest::newRow(name + ", 15 slid back") << style << true << quinze << 3;
        QTest::newRow(name + ", 15 and 11 slid back") << style << true << quinzeThenOnze << 2;
    }
}

void ButtonColoursTest::completedRowsArePaintedRed()
{
    QFETCH(QString, style);
    QFETCH(bool, solveFirst);
    QFETCH(QList<int>, thenClick);
    QFETCH(int, redRows);
    QApplication::setStyle(style);
    form_ = std::make_unique<RunningForm>();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->window()));
    const MessageBoxAnswerer answerer;

    if (solveFirst) {
        for (const int cell : zanfira::qttest::solvingClicks(form_->captions())) {
            form_->click(cell);
        }
    }
    for (const int cell : thenClick) {
        form_->click(cell);
    }

    const QColor red(255, 0, 0);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    QVERIFY(buttonFace != red);
    for (int index = 0; index < zanfira::puzzle::cellCount; ++index) {
        const bool painted = index < redRows * cellsPerRow && index != dezesseis;
        const QString mismatch = interiorMismatch(form_->cell(index), painted ? red : buttonFace);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
}

QTEST_MAIN(ButtonColoursTest)
#include "button_colours_test.moc"
