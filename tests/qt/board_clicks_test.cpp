#include "support/message_box_answerer.h"
#include "support/running_form.h"
#include "support/sliding_solver.h"

#include <QApplication>
#include <QTest>

#include <memory>

using zanfira::qttest::Captions;
using zanfira::qttest::MessageBoxAnswerer;
using zanfira::qttest::RunningForm;

// Real mouse clicks on the real cells: the tiles slide, and a solved board congratulates.
class BoardClicksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickSlidesOnlyATileBesideTheBlank_data();
    void clickSlidesOnlyATileBesideTheBlank();
    void solvingTheBoardByMouseCongratulatesOnce();

private:
    std::unique_ptr<RunningForm> form_;
};

void BoardClicksTest::initTestCase()
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void BoardClicksTest::init()
{
    form_ = std::make_unique<RunningForm>();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->window()));
}

void BoardClicksTest::cleanup()
{
    form_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void BoardClicksTest::clickSlidesOnlyATileBesideTheBlank_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("slides");

    // The window opens with the blank in the top-right corner, quatro.
    QTest::newRow("tres, left of the blank") << 2 << true;
    QTest::newRow("oito, below the blank") << 7 << true;
    QTest::newRow("quatro, the blank itself") << 3 << false;
    QTest::newRow("sete, diagonal") << 6 << false;
    QTest::newRow("dois, two away") << 1 << false;
    QTest::newRow("cinco, next in reading order") << 4 << false;
    QTest::newRow("dezesseis, far corner") << 15 << false;
}

void BoardClicksTest::clickSlidesOnlyATileBesideTheBlank()
{
    QFETCH(int, clicked);
    QFETCH(bool, slides);
    const Captions before = form_->captions();
    const Captions expected = slides ? zanfira::qttest::slide(before, clicked) : before;

    form_->click(clicked);

    QVERIFY(form_->captions() == expected);
}

void BoardClicksTest::solvingTheBoardByMouseCongratulatesOnce()
{
    const MessageBoxAnswerer answerer;
    Captions expected = form_->captions();
    const std::vector<int> clicks = zanfira::qttest::solvingClicks(expected);

    for (std::size_t step = 0; step < clicks.size(); ++step) {
        form_->click(clicks.at(step));
        expected = zanfira::qttest::slide(expected, clicks.at(step));
        const QByteArray where = QByteArray("after click ") + QByteArray::number(step + 1) +
                                 " of " + QByteArray::number(clicks.size());
        QVERIFY2(form_->captions() == expected, where.constData());
        const std::size_t boxesDue = step + 1 == clicks.size() ? 1 : 0;
        QVERIFY2(answerer.seen().size() == boxesDue, where.constData());
    }

    const zanfira::qttest::SeenBox &box = answerer.seen().front();
    QCOMPARE(box.title, QStringLiteral("Parabens !!!"));
    QCOMPARE(box.text, QStringLiteral("Parabens, Você Venceu !!"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(BoardClicksTest)
#include "board_clicks_test.moc"
