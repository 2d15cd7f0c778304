#include "support/running_form.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>
#include <optional>

using zanfira::qttest::RunningForm;

namespace {

const QStringList checkItems{"lig", "des", "facil", "medio", "dificil"};

// Captions in order, "-" for a separator.
QStringList captionsOf(const QList<QAction *> &actions)
{
    QStringList captions;
    for (const QAction *action : actions) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

QStringList namesOf(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions) {
        names << action->objectName();
    }
    return names;
}

} // namespace

// The menu bar as declared, and check marks that only the game sets.
class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuHoldsItsItemsInOrder_data();
    void menuHoldsItsItemsInOrder();
    void onlyDesligadoAndFacilStartChecked();
    void itemsHaveNoAccessKeysNorShortcuts();
    void triggeringSetsOnlyTheChecksTheGameWrites_data();
    void triggeringSetsOnlyTheChecksTheGameWrites();
    void clickInTheOpenNivelMenuChoosesTheLevel();
    void clickLeavesTheCheckMarkToTheHandler_data();
    void clickLeavesTheCheckMarkToTheHandler();

private:
    [[nodiscard]] QStringList checkedItems() const;

    std::unique_ptr<RunningForm> form_;
};

void MenusTest::init()
{
    form_ = std::make_unique<RunningForm>();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->window()));
}

void MenusTest::cleanup()
{
    form_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QStringList MenusTest::checkedItems() const
{
    QStringList checked;
    for (const QString &name : checkItems) {
        if (form_->action(name).isChecked()) {
            checked << name;
        }
    }
    return checked;
}

void MenusTest::menuHoldsItsItemsInOrder_data()
{
    QTest::addColumn<QString>("menu"); // empty: the menu bar
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("menu bar") << QString() << QStringList{"Arquivo", "Opções"}
                              << QStringList{"nivel", "opc"};
    QTest::newRow("Arquivo") << "nivel" << QStringList{"About", "-", "Sair"}
                             << QStringList{"about", "separador2", "fecha"};
    QTest::newRow("Opções") << "opc" << QStringList{"Tempo", "Nivel"} << QStringList{"tmp", "niv"};
    QTest::newRow("Tempo") << "tmp" << QStringList{"Ligado", "Desligado"}
                           << QStringList{"lig", "des"};
    QTest::newRow("Nivel") << "niv" << QStringList{"Facil", "Medio", "Dificil"}
                           << QStringList{"facil", "medio", "dificil"};
}

void MenusTest::menuHoldsItsItemsInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, names);
    const QList<QAction *> actions = menu.isEmpty() ? form_->window().menuBar()->actions()
                                                    : form_->action(menu).menu()->actions();

    QCOMPARE(captionsOf(actions), captions);
    QCOMPARE(namesOf(actions), names);
}

void MenusTest::onlyDesligadoAndFacilStartChecked()
{
    QCOMPARE(checkedItems(), (QStringList{"des", "facil"}));
    for (const QString &name : checkItems) {
        QVERIFY2(form_->action(name).isCheckable(), qPrintable(name));
    }
    for (const QString &name : QStringList{"about", "fecha"}) {
        QVERIFY2(!form_->action(name).isCheckable(), qPrintable(name));
    }
}

void MenusTest::itemsHaveNoAccessKeysNorShortcuts()
{
    const QList<QAction *> actions = form_->window().findChildren<QAction *>();
    QVERIFY(actions.size() >= 12);
    for (const QAction *action : actions) {
        QVERIFY2(!action->text().contains(u'&'), qPrintable(action->text()));
        QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->text()));
    }
}

void MenusTest::triggeringSetsOnlyTheChecksTheGameWrites_data()
{
    QTest::addColumn<QStringList>("triggered");
    QTest::addColumn<QStringList>("checked");

    QTest::newRow("Facil while checked") << QStringList{"facil"} << QStringList{"des", "facil"};
    QTest::newRow("Medio") << QStringList{"medio"} << QStringList{"des", "medio"};
    QTest::newRow("Medio twice") << QStringList{"medio", "medio"} << QStringList{"des", "medio"};
    QTest::newRow("Dificil, then Facil")
        << QStringList{"dificil", "facil"} << QStringList{"des", "facil"};
    QTest::newRow("Desligado while checked") << QStringList{"des"} << QStringList{"des", "facil"};
    QTest::newRow("Ligado") << QStringList{"lig"} << QStringList{"lig", "facil"};
    QTest::newRow("Ligado twice") << QStringList{"lig", "lig"} << QStringList{"lig", "facil"};
    QTest::newRow("Ligado, then Desligado")
        << QStringList{"lig", "des"} << QStringList{"des", "facil"};
}

void MenusTest::triggeringSetsOnlyTheChecksTheGameWrites()
{
    QFETCH(QStringList, triggered);
    QFETCH(QStringList, checked);

    for (const QString &name : triggered) {
        form_->action(name).trigger();
    }

    QCOMPARE(checkedItems(), checked);
}

void MenusTest::clickInTheOpenNivelMenuChoosesTheLevel()
{
    QMenu *nivel = form_->action(QStringLiteral("niv")).menu();
    QAction &medio = form_->action(QStringLiteral("medio"));
    nivel->popup(form_->window().geometry().center());
    QVERIFY(QTest::qWaitForWindowExposed(nivel));

    QTest::mouseClick(nivel, Qt::LeftButton, {}, nivel->actionGeometry(&medio).center());

    QTRY_VERIFY(!nivel->isVisible());
    QCOMPARE(checkedItems(), (QStringList{"des", "medio"}));
}

void MenusTest::clickLeavesTheCheckMarkToTheHandler_data()
{
    QTest::addColumn<bool>("checked");

    QTest::newRow("checked item") << true;
    QTest::newRow("unchecked item") << false;
}

// The window's own handlers always write the marks, so a bare window shows what Qt would do.
void MenusTest::clickLeavesTheCheckMarkToTheHandler()
{
    QFETCH(bool, checked);
    zanfira::ui::qt::QtToolkit toolkit;
    toolkit.createWindow({"Bare", "Bare", 1500, 1500, zanfira::ui::desktopColour});
    toolkit.addMenuItem({"menu", "", "Menu", false}, {});
    zanfira::ui::MenuItem *item = nullptr;
    std::optional<bool> seenByHandler;
    item = &toolkit.addMenuItem({"item", "menu", "Item", checked},
                                [&] { seenByHandler = item->checked(); });
    toolkit.addMenuItem({"other", "menu", "Other", !checked}, {});
    auto *action = toolkit.window()->findChild<QAction *>(QStringLiteral("item"));
    QVERIFY(action->isCheckable());

    action->trigger();

    QCOMPARE(seenByHandler, std::optional<bool>(checked));
    QCOMPARE(action->isChecked(), checked);
}

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
