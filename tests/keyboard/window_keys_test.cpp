#include "puzzle/board.h"
#include "ui/main_window.h"
#include "ui/qt/qt_toolkit.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// The real window's keyboard: arrows slide tiles whichever control has the focus and never
// move the focus; Tab, Shift+Tab and Space keep their usual work; menus and message boxes
// keep their own arrows.
class WindowKeysTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void arrowSlidesWhicheverControlHasTheFocus_data();
    void arrowSlidesWhicheverControlHasTheFocus();
    void tabAndSpaceKeepTheirWork();
    void openMenusAndBoxesKeepTheirArrows();

private:
    [[nodiscard]] QMainWindow &window() const { return *toolkit_->window(); }
    [[nodiscard]] QPushButton &control(const QString &name) const;
    [[nodiscard]] QStringList captions() const;
    // A key as the platform delivers it: to the window, which hands it to its focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    void focus(const QString &name) const;

    std::unique_ptr<zanfira::ui::qt::QtToolkit> toolkit_;
    std::unique_ptr<zanfira::ui::Form1> form_;
};

QPushButton &WindowKeysTest::control(const QString &name) const
{
    auto *button = window().findChild<QPushButton *>(name);
    if (button == nullptr) {
        qFatal("the window has no button named %s", qPrintable(name));
    }
    return *button;
}

QStringList WindowKeysTest::captions() const
{
    QStringList captions;
    for (const std::string_view name : zanfira::puzzle::cellNames) {
        captions << control(QString::fromUtf8(name.data(), qsizetype(name.size()))).text();
    }
    return captions;
}

void WindowKeysTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(window().windowHandle(), key, modifiers);
}

void WindowKeysTest::focus(const QString &name) const
{
    control(name).setFocus();
    QCOMPARE(window().focusWidget(), &control(name));
}

void WindowKeysTest::initTestCase()
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void WindowKeysTest::init()
{
    toolkit_ = std::make_unique<zanfira::ui::qt::QtToolkit>();
    form_ = std::make_unique<zanfira::ui::Form1>(*toolkit_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void WindowKeysTest::cleanup()
{
    form_.reset();
    toolkit_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void WindowKeysTest::arrowSlidesWhicheverControlHasTheFocus_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("sliding"); // empty: nothing moves
    const Qt::KeyboardModifiers none = Qt::NoModifier;

    // The window opens with the blank in quatro, the top-right corner.
    QTest::newRow("Command1, Right") << "Command1" << Qt::Key_Right << none << "tres";
    QTest::newRow("um, Up") << "um" << Qt::Key_Up << none << "oito";
    QTest::newRow("seis, keypad Right")
        << "seis" << Qt::Key_Right << Qt::KeyboardModifiers(Qt::KeypadModifier) << "tres";
    QTest::newRow("quatro, the blank, Up") << "quatro" << Qt::Key_Up << none << "oito";
    // Keys with nothing to slide, where a push button would otherwise move the focus.
    QTest::newRow("Command1, Left") << "Command1" << Qt::Key_Left << none << "";
    QTest::newRow("dezesseis, Left") << "dezesseis" << Qt::Key_Left << none << "";
    QTest::newRow("um, Down") << "um" << Qt::Key_Down << none << "";
}

void WindowKeysTest::arrowSlidesWhicheverControlHasTheFocus()
{
    QFETCH(QString, focused);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, sliding);
    focus(focused);
    QStringList expected = captions();
    if (!sliding.isEmpty()) {
        const int from = expected.indexOf(control(sliding).text());
        const int into = expected.indexOf(QString());
        expected.swapItemsAt(from, into);
    }

    press(key, modifiers);

    QCOMPARE(captions(), expected);
    QCOMPARE(window().focusWidget(), &control(focused));
}

void WindowKeysTest::tabAndSpaceKeepTheirWork()
{
    focus(QStringLiteral("um"));
    press(Qt::Key_Tab);
    QCOMPARE(window().focusWidget(), &control(QStringLiteral("dois")));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(window().focusWidget(), &control(QStringLiteral("um")));

    focus(QStringLiteral("dezesseis"));
    press(Qt::Key_Tab);
    QCOMPARE(window().focusWidget(), &control(QStringLiteral("Command1")));

    focus(QStringLiteral("tres"));
    press(Qt::Key_Space);
    QCOMPARE(control(QStringLiteral("quatro")).text(), QStringLiteral("04"));
    QCOMPARE(control(QStringLiteral("tres")).text(), QString());
}

void WindowKeysTest::openMenusAndBoxesKeepTheirArrows()
{
    const QStringList start = captions();

    // Alt alone puts the menu bar under the keyboard, where the arrows walk the menus.
    auto *menuBar = window().findChild<QMenuBar *>();
    press(Qt::Key_Alt);
    QTRY_COMPARE(window().focusWidget(), menuBar);
    QAction *first = menuBar->activeAction();
    QVERIFY(first != nullptr);
    press(Qt::Key_Right);
    QVERIFY(menuBar->activeAction() != first);
    press(Qt::Key_Escape);
    QCOMPARE(captions(), start);

    QMenu *options = window().findChild<QAction *>(QStringLiteral("opc"))->menu();
    options->popup(window().mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(options->isVisible());
    QTest::keyClick(options, Qt::Key_Down);
    QVERIFY(options->activeAction() != nullptr);
    options->close();
    QCOMPARE(captions(), start);

    QStringList whileBoxOpen;
    QTimer boxWatcher;
    boxWatcher.setInterval(10);
    connect(&boxWatcher, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        boxWatcher.stop();
        QWidget *target = box->focusWidget() != nullptr ? box->focusWidget() : box;
        QTest::keyClick(target, Qt::Key_Right);
        QTest::keyClick(target, Qt::Key_Up);
        whileBoxOpen = captions();
        box->accept();
    });
    boxWatcher.start();
    window().findChild<QAction *>(QStringLiteral("about"))->trigger();
    QCOMPARE(whileBoxOpen, start);
    QCOMPARE(captions(), start);
}

QTEST_MAIN(WindowKeysTest)
#include "window_keys_test.moc"
