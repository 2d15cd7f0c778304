// The floor of the start-up budget: a plain Qt 6 Widgets window with the game's widget set
// and geometry, and nothing else: no style sheets, pictures, icon or chosen fonts.
#include <QActionGroup>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <initializer_list>

namespace {

void addCheckGroup(QMainWindow &window, QMenu *menu, std::initializer_list<const char *> items)
{
    auto *group = new QActionGroup(&window);
    for (const char *caption : items) {
        QAction *action = menu->addAction(QString::fromUtf8(caption));
        action->setCheckable(true);
        group->addAction(action);
    }
}

void addMenus(QMainWindow &window)
{
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("Arquivo"));
    file->addAction(QStringLiteral("About"));
    file->addSeparator();
    QObject::connect(file->addAction(QStringLiteral("Sair")), &QAction::triggered, &window,
                     &QWidget::close);
    QMenu *options = window.menuBar()->addMenu(QStringLiteral("Opções"));
    addCheckGroup(window, options->addMenu(QStringLiteral("Tempo")), {"Ligado", "Desligado"});
    addCheckGroup(window, options->addMenu(QStringLiteral("Nivel")), {"Facil", "Medio", "Dificil"});
}

void addControls(QWidget *client)
{
    auto *title = new QLabel(QStringLiteral("ZANFIRA"), client);
    title->setGeometry(8, 8, 193, 33);
    auto *frame = new QFrame(client);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    frame->setGeometry(24, 24, 145, 137);
    for (int index = 0; index < 16; ++index) {
        const QString caption = index < 15 ? QString::asprintf("%02d", index + 1) : QString();
        auto *cell = new QPushButton(caption, frame);
        cell->setGeometry(8 + 32 * (index % 4), 16 + 24 * (index / 4), 33, 25);
    }
    auto *shuffle = new QPushButton(QStringLiteral("Embaralhar"), client);
    shuffle->setGeometry(24, 168, 145, 25);
    auto *status = new QStatusBar(client);
    status->setSizeGripEnabled(false);
    status->setGeometry(0, 232, 199, 19);
    status->addWidget(new QLabel(QStringLiteral("Tempo Desligado"), status), 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    addMenus(window);
    auto *client = new QWidget;
    client->setFixedSize(199, 251);
    addControls(client);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (int index = 0; index < 32; ++index) {
        new QTimer(&window); // created, never started, as the game's countdown at rest
    }
    window.show();
    return QApplication::exec();
}
