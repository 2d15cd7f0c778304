#include "support/running_form.h"
#include "ui/qt/colours.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>

using zanfira::qttest::RunningForm;

namespace {

// The picture is dark blue: red and green stay near zero.
constexpr int pictureRedGreenCeiling = 12;
const QSize pictureSize(276, 315);

using PixelTest = std::function<bool(QRgb)>;

bool isPicture(QRgb pixel)
{
    return qRed(pixel) <= pictureRedGreenCeiling && qGreen(pixel) <= pictureRedGreenCeiling &&
           qBlue(pixel) > qGreen(pixel);
}

bool isFrameBackground(QRgb pixel)
{
    return pixel == zanfira::ui::qt::fixedDesktopColour.rgb();
}

// Where something other than the surroundings lies on a line of device pixels.
struct Span {
    int first; // the first pixel that is not surroundings
    int end;   // one past the last
};

QRgb pixelOn(const QImage &image, Qt::Orientation along, int line, int position)
{
    return along == Qt::Horizontal ? image.pixel(position, line) : image.pixel(line, position);
}

Span spanOn(const QImage &image, Qt::Orientation along, int line, int from, int to,
            const PixelTest &isSurroundings)
{
    Span span{from, to};
    while (span.first < to && isSurroundings(pixelOn(image, along, line, span.first))) {
        ++span.first;
    }
    while (span.end > span.first && isSurroundings(pixelOn(image, along, line, span.end - 1))) {
        --span.end;
    }
    return span;
}

int devicePixels(int logical, qreal scale)
{
    return static_cast<int>(std::lround(logical * scale));
}

int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

// Left of the frame, below the title and above the status bar, only the picture shows.
QRect pictureOnlyStrip(qreal scale)
{
    return {0, static_cast<int>(std::ceil(42 * scale)), static_cast<int>(24 * scale),
            static_cast<int>(189 * scale)};
}

} // namespace

// The window at the scale factor of QT_SCALE_FACTOR: everything in proportion, nothing blurred.
class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowGrowsByTheScale();
    void edgesLandWhereTheScalePutsThem_data();
    void edgesLandWhereTheScalePutsThem();
    void pictureIsTheDoubleSizeOnePixelForPixel();
    void pictureHasDetailFinerThanTheSmallOne();
    void iconIsDrawnFromTheOriginalOfEachDeviceSize_data();
    void iconIsDrawnFromTheOriginalOfEachDeviceSize();
    void smallIconsStayTheSixteenColourOriginals();

private:
    [[nodiscard]] QImage client() const;

    qreal scale_ = 1;
    std::unique_ptr<RunningForm> form_;
};

void HighDpiTest::initTestCase()
{
    scale_ = qApp->devicePixelRatio();
    QVERIFY2(scale_ > 1, "run with QT_SCALE_FACTOR above 1");
}

void HighDpiTest::init()
{
    form_ = std::make_unique<RunningForm>();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->window()));
}

void HighDpiTest::cleanup()
{
    form_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QImage HighDpiTest::client() const
{
    return form_->window().centralWidget()->grab().toImage();
}

void HighDpiTest::windowGrowsByTheScale()
{
    QMainWindow &window = form_->window();
    const QImage shot = window.grab().toImage();
    const QImage area = client();

    QCOMPARE(shot.devicePixelRatio(), scale_);
    QCOMPARE(shot.size(), window.size() * scale_);
    QCOMPARE(area.size(), QSize(199, 251) * scale_);
}

void HighDpiTest::edgesLandWhereTheScalePutsThem_data()
{
    QTest::addColumn<bool>("onTheFrame"); // else on the picture
    QTest::addColumn<Qt::Orientation>("along");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");

    // In pixels of the client area at 96 dpi: the line scanned, from..to along it, and
    // where the control should start and end on it.
    QTest::newRow("Frame1 left and right")
        << false << Qt::Horizontal << 100 << 0 << 199 << 24 << 169;
    QTest::newRow("Frame1 top and bottom") << false << Qt::Vertical << 160 << 0 << 165 << 24 << 161;
    QTest::newRow("Command1 left and right")
        << false << Qt::Horizontal << 171 << 0 << 199 << 24 << 169;
    QTest::newRow("Command1 top and bottom")
        << false << Qt::Vertical << 30 << 165 << 230 << 168 << 193;
    QTest::newRow("StatusBar1 top") << false << Qt::Vertical << 100 << 200 << 251 << 232 << 251;
    QTest::newRow("cells um to quatro") << true << Qt::Horizontal << 45 << 28 << 165 << 32 << 161;
    QTest::newRow("cells um to treze") << true << Qt::Vertical << 35 << 28 << 157 << 40 << 137;
}

void HighDpiTest::edgesLandWhereTheScalePutsThem()
{
    QFETCH(bool, onTheFrame);
    QFETCH(Qt::Orientation, along);
    QFETCH(int, line);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, first);
    QFETCH(int, end);
    const QImage image = client();
    const PixelTest surroundings = onTheFrame ? isFrameBackground : isPicture;

    const Span span = spanOn(image, along, devicePixels(line, scale_), devicePixels(from, scale_),
                             devicePixels(to, scale_), surroundings);

    // A boundary between two device pixels, at most half a pixel from where the scale puts
    // it: exactly there whenever the scale makes it a whole number.
    QVERIFY2(std::abs(span.first - first * scale_) <= 0.5, qPrintable(QString::number(span.first)));
    QVERIFY2(std::abs(span.end - end * scale_) <= 0.5, qPrintable(QString::number(span.end)));
    if (scale_ == 2) {
        // Crisp: a one-pixel line becomes two equal device pixels, with no blend of the
        // colours on either side of the edge.
        QCOMPARE(pixelOn(image, along, line * 2, span.first),
                 pixelOn(image, along, line * 2, span.first + 1));
        QCOMPARE(pixelOn(image, along, line * 2, span.end - 1),
                 pixelOn(image, along, line * 2, span.end - 2));
    }
}

void HighDpiTest::pictureIsTheDoubleSizeOnePixelForPixel()
{
    QImage expected = QImage(QStringLiteral(":/background@2x.png"));
    if (scale_ != 2) {
        // Brought to the screen's pixels from the double size, never blown up from the small.
        expected = expected.scaled((QSizeF(pictureSize) * scale_).toSize(), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    }
    const QImage shown = client();
    const QRect strip = pictureOnlyStrip(scale_);

    for (int y = strip.top(); y <= strip.bottom(); ++y) {
        for (int x = strip.left(); x <= strip.right(); ++x) {
            if (shown.pixel(x, y) != expected.pixel(x, y)) {
                QFAIL(qPrintable(
                    QStringLiteral("device pixel (%1, %2) is %3, the picture %4")
                        .arg(x)
                        .arg(y)
                        .arg(shown.pixelColor(x, y).name(), expected.pixelColor(x, y).name())));
            }
        }
    }
}

void HighDpiTest::pictureHasDetailFinerThanTheSmallOne()
{
    if (scale_ != 2) {
        QSKIP("device pixels pair up with the small picture's only at twice the size");
    }
    const QImage shown = client();
    const QRect strip = pictureOnlyStrip(scale_);

    // The small picture doubled would make every 2 x 2 block of one colour.
    int uniform = 0;
    int blocks = 0;
    for (int y = strip.top(); y < strip.bottom(); y += 2) {
        for (int x = strip.left(); x < strip.right(); x += 2) {
            const QRgb corner = shown.pixel(x, y);
            uniform += shown.pixel(x + 1, y) == corner && shown.pixel(x, y + 1) == corner &&
                       shown.pixel(x + 1, y + 1) == corner;
            ++blocks;
        }
    }
    QVERIFY2(uniform * 2 < blocks,
             qPrintable(QStringLiteral("%1 of %2 blocks uniform").arg(uniform).arg(blocks)));
}

void HighDpiTest::iconIsDrawnFromTheOriginalOfEachDeviceSize_data()
{
    QTest::addColumn<int>("size"); // logical pixels

    for (const int size : {16, 24, 32, 64, 128}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 x %1").arg(size))) << size;
    }
}

void HighDpiTest::iconIsDrawnFromTheOriginalOfEachDeviceSize()
{
    QFETCH(int, size);
    if (scale_ != 2) {
        QSKIP("the icon has an original at twice each of these sizes");
    }
    QTRY_VERIFY(!form_->window().windowIcon().isNull());
    const QIcon icon = form_->window().windowIcon();

    const QImage drawn = icon.pixmap(QSize(size, size)).toImage();
    QImage original = QImage(QStringLiteral(":/icon-%1.png").arg(size * 2));
    original.setDevicePixelRatio(2.0);

    QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32),
             original.convertToFormat(QImage::Format_ARGB32));
}

void HighDpiTest::smallIconsStayTheSixteenColourOriginals()
{
    QTRY_VERIFY(!form_->window().windowIcon().isNull());
    const QIcon icon = form_->window().windowIcon();

    const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    QCOMPARE(icon.availableSizes(), sizes);
    for (const int size : {16, 32}) {
        const QImage original = QImage(QStringLiteral(":/icon-%1.png").arg(size));
        QCOMPARE(original.size(), QSize(size, size));
        // The sixteen palette colours, one of them standing in for transparency.
        QVERIFY(colourCount(original) <= 16);
    }
}

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
