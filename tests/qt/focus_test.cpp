#include "support/running_form.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <memory>

using zanfira::qttest::RunningForm;

namespace {

const QStringList tabOrder{"um",    "dois",     "tres",   "quatro",    "cinco",   "seis",
                           "sete",  "oito",     "nove",   "dez",       "onze",    "doze",
                           "treze", "quatorze", "quinze", "dezesseis", "Command1"};

QString focusedName()
{
    const QWidget *focused = QApplication::focusWidget();
    return focused == nullptr ? QString() : focused->objectName();
}

} // namespace

// The keyboard focus: on the first cell when the window opens, then cell by cell to
// Embaralhar and round again.
class FocusTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void focusStartsOnTheFirstCell();
    void tabWalksTheCellsThenEmbaralhar_data();
    void tabWalksTheCellsThenEmbaralhar();

private:
    std::unique_ptr<RunningForm> form_;
};

void FocusTest::init()
{
    form_ = std::make_unique<RunningForm>();
    QVERIFY(QTest::qWaitForWindowActive(&form_->window()));
}

void FocusTest::cleanup()
{
    form_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void FocusTest::focusStartsOnTheFirstCell()
{
    QCOMPARE(focusedName(), QStringLiteral("um"));
}

void FocusTest::tabWalksTheCellsThenEmbaralhar_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QStringList>("visited"); // after each press, from um

    QStringList forwards = tabOrder.mid(1);
    forwards << tabOrder.first();
    QStringList backwards = tabOrder;
    std::reverse(backwards.begin(), backwards.end());

    QTest::newRow("Tab") << Qt::KeyboardModifiers() << forwards;
    QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier) << backwards;
}

void FocusTest::tabWalksTheCellsThenEmbaralhar()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QStringList, visited);

    QStringList seen;
    for (qsizetype press = 0; press < visited.size(); ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        seen << focusedName();
    }

    QCOMPARE(seen, visited);
}

QTEST_MAIN(FocusTest)
#include "focus_test.moc"
