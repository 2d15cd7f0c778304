#include "puzzle/levels.h"
#include "support/message_box_answerer.h"
#include "support/running_form.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>

using zanfira::qttest::Captions;
using zanfira::qttest::MessageBoxAnswerer;
using zanfira::qttest::RunningForm;

namespace {

Captions captionsOf(const zanfira::puzzle::Arrangement &arrangement)
{
    Captions captions;
    std::ranges::copy(arrangement, captions.begin());
    return captions;
}

} // namespace

// Embaralhar, About and Sair on the real window.
class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void embaralharDealsTheCheckedLevel_data();
    void embaralharDealsTheCheckedLevel();
    void aboutShowsTheCreditsBox();
    void sairEndsTheEventLoopWithExitCodeZero();

private:
    std::unique_ptr<RunningForm> form_;
};

void CommandsTest::initTestCase()
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void CommandsTest::init()
{
    form_ = std::make_unique<RunningForm>();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->window()));
}

void CommandsTest::cleanup()
{
    form_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void CommandsTest::embaralharDealsTheCheckedLevel_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<Captions>("layout");

    QTest::newRow("Facil") << "facil" << captionsOf(zanfira::puzzle::facilLayout);
    QTest::newRow("Medio") << "medio" << captionsOf(zanfira::puzzle::medioLayout);
    QTest::newRow("Dificil") << "dificil" << captionsOf(zanfira::puzzle::dificilLayout);
}

void CommandsTest::embaralharDealsTheCheckedLevel()
{
    QFETCH(QString, level);
    QFETCH(Captions, layout);
    form_->action(level).trigger();

    QTest::mouseClick(&form_->find<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);

    QVERIFY(form_->captions() == layout);
    const auto &bar = form_->find<QStatusBar>(QStringLiteral("StatusBar1"));
    QCOMPARE(bar.findChild<QLabel *>()->text(), QStringLiteral("Tempo Desligado"));
}

void CommandsTest::aboutShowsTheCreditsBox()
{
    const MessageBoxAnswerer answerer;

    form_->action(QStringLiteral("about")).trigger();

    QCOMPARE(answerer.seen().size(), std::size_t{1});
    const zanfira::qttest::SeenBox &box = answerer.seen().front();
    QCOMPARE(box.title, QStringLiteral("About Zanfira"));
    QVERIFY2(box.text.startsWith(QStringLiteral("Zanfira by ")), qPrintable(box.text));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void CommandsTest::sairEndsTheEventLoopWithExitCodeZero()
{
    constexpr int hungExitCode = 99;
    QTimer hangGuard;
    hangGuard.setSingleShot(true);
    QObject::connect(&hangGuard, &QTimer::timeout, [] { QCoreApplication::exit(hungExitCode); });
    hangGuard.start(std::chrono::seconds{10});
    QTimer::singleShot(0, &form_->action(QStringLiteral("fecha")), &QAction::trigger);

    const int exitCode = QApplication::exec();
    hangGuard.stop();

    QCOMPARE(exitCode, 0);
    QVERIFY(!form_->window().isVisible());
    // Nothing the player could still reach runs once the game has ended.
    const Captions before = form_->captions();
    form_->cell(2).click();
    QVERIFY(form_->captions() == before);
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
