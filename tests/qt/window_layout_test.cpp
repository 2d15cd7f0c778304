#include "support/running_form.h"
#include "ui/qt/colours.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <memory>

using zanfira::qttest::RunningForm;

namespace {

// The picture is dark blue: red and green stay near zero.
constexpr int pictureRedGreenCeiling = 12;

} // namespace

// Where every control sits and what the window around them looks like, in pixels at 96 dpi.
class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlSitsAtItsRectangle_data();
    void controlSitsAtItsRectangle();
    void clientAreaLiesBelowTheMenuBar();
    void windowCannotBeResizedOrMaximized();
    void statusTextSurvivesMenuHover();
    void pictureShowsAroundTheFrame_data();
    void pictureShowsAroundTheFrame();
    void frameShowsTheDesktopColour_data();
    void frameShowsTheDesktopColour();

private:
    std::unique_ptr<RunningForm> form_;
};

void WindowLayoutTest::init()
{
    form_ = std::make_unique<RunningForm>();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->window()));
}

void WindowLayoutTest::cleanup()
{
    form_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void WindowLayoutTest::controlSitsAtItsRectangle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container"); // empty: the client area
    QTest::addColumn<QRect>("rect");

    const QString client;
    const QString frame = QStringLiteral("Frame1");
    QTest::newRow("Label1") << "Label1" << client << QRect(8, 8, 193, 33);
    QTest::newRow("Frame1") << "Frame1" << client << QRect(24, 24, 145, 137);
    QTest::newRow("Command1") << "Command1" << client << QRect(24, 168, 145, 25);
    QTest::newRow("StatusBar1") << "StatusBar1" << client << QRect(0, 232, 199, 19);
    // The cells overlap their neighbours by one pixel.
    QTest::newRow("um") << "um" << frame << QRect(8, 16, 33, 25);
    QTest::newRow("dois") << "dois" << frame << QRect(40, 16, 33, 25);
    QTest::newRow("tres") << "tres" << frame << QRect(72, 16, 33, 25);
    QTest::newRow("quatro") << "quatro" << frame << QRect(104, 16, 33, 25);
    QTest::newRow("cinco") << "cinco" << frame << QRect(8, 40, 33, 25);
    QTest::newRow("seis") << "seis" << frame << QRect(40, 40, 33, 25);
    QTest::newRow("sete") << "sete" << frame << QRect(72, 40, 33, 25);
    QTest::newRow("oito") << "oito" << frame << QRect(104, 40, 33, 25);
    QTest::newRow("nove") << "nove" << frame << QRect(8, 64, 33, 25);
    QTest::newRow("dez") << "dez" << frame << QRect(40, 64, 33, 25);
    QTest::newRow("onze") << "onze" << frame << QRect(72, 64, 33, 25);
    QTest::newRow("doze") << "doze" << frame << QRect(104, 64, 33, 25);
    QTest::newRow("treze") << "treze" << frame << QRect(8, 88, 33, 25);
    QTest::newRow("quatorze") << "quatorze" << frame << QRect(40, 88, 33, 25);
    QTest::newRow("quinze") << "quinze" << frame << QRect(72, 88, 33, 25);
    QTest::newRow("dezesseis") << "dezesseis" << frame << QRect(104, 88, 33, 25);
}

void WindowLayoutTest::controlSitsAtItsRectangle()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, rect);
    const QWidget &control = form_->find<QWidget>(name);
    const QWidget *expectedParent =
        container.isEmpty() ? form_->window().centralWidget() : &form_->find<QWidget>(container);

    QCOMPARE(control.parentWidget(), expectedParent);
    QCOMPARE(control.geometry(), rect);
    QVERIFY(control.isVisible());
}

void WindowLayoutTest::clientAreaLiesBelowTheMenuBar()
{
    const QMainWindow &window = form_->window();
    const QWidget *client = window.centralWidget();
    const int menuBarBottom = window.menuBar()->geometry().bottom() + 1;

    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zanfira"));
    QCOMPARE(client->geometry(), QRect(0, menuBarBottom, 199, 251));
    QCOMPARE(window.size(), QSize(199, menuBarBottom + 251));
}

void WindowLayoutTest::windowCannotBeResizedOrMaximized()
{
    QMainWindow &window = form_->window();
    const QSize size = window.size();
    const Qt::WindowFlags flags = window.windowFlags();

    QCOMPARE(window.minimumSize(), size);
    QCOMPARE(window.maximumSize(), size);
    window.resize(size * 2);
    QCOMPARE(window.size(), size);
    // Without the customize hint, the window system picks the buttons and adds maximize.
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
}

void WindowLayoutTest::statusTextSurvivesMenuHover()
{
    const auto &bar = form_->find<QStatusBar>(QStringLiteral("StatusBar1"));
    const auto *status = bar.findChild<QLabel *>();
    QVERIFY(status != nullptr);
    QCOMPARE(status->text(), QStringLiteral("Tempo Desligado"));

    // Hovering an item sends its (empty) status tip, which blanks a temporary message.
    form_->action(QStringLiteral("lig")).hover();
    QCoreApplication::processEvents();

    QCOMPARE(status->text(), QStringLiteral("Tempo Desligado"));
    QVERIFY(status->isVisible());
}

void WindowLayoutTest::pictureShowsAroundTheFrame_data()
{
    QTest::addColumn<QPoint>("point"); // in the client area

    QTest::newRow("top-left corner") << QPoint(2, 2);
    QTest::newRow("through Label1, right of its text") << QPoint(190, 36);
    QTest::newRow("left of the frame") << QPoint(10, 120);
    QTest::newRow("right of the frame") << QPoint(185, 100);
    QTest::newRow("between Command1 and the status bar") << QPoint(100, 210);
    QTest::newRow("bottom-right above the status bar") << QPoint(196, 229);
}

void WindowLayoutTest::pictureShowsAroundTheFrame()
{
    QFETCH(QPoint, point);
    const QColor pixel = form_->window().centralWidget()->grab().toImage().pixelColor(point);

    QVERIFY2(pixel.red() <= pictureRedGreenCeiling && pixel.green() <= pictureRedGreenCeiling &&
                 pixel.blue() > pixel.green(),
             qPrintable(pixel.name()));
}

void WindowLayoutTest::frameShowsTheDesktopColour_data()
{
    QTest::addColumn<QPoint>("point"); // in the frame, outside every cell

    QTest::newRow("above the cells") << QPoint(60, 8);
    QTest::newRow("right of the cells") << QPoint(141, 60);
    QTest::newRow("below the cells") << QPoint(70, 125);
}

void WindowLayoutTest::frameShowsTheDesktopColour()
{
    QFETCH(QPoint, point);
    // Grabbed with the client area: a frame grabbed alone gets a background filled in.
    QWidget *client = form_->window().centralWidget();
    const QPoint inClient = form_->find<QFrame>(QStringLiteral("Frame1")).mapTo(client, point);
    const QColor pixel = client->grab().toImage().pixelColor(inClient);

    QCOMPARE(pixel, zanfira::ui::qt::fixedDesktopColour);
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
