#include "ui/qt/qt_toolkit.h"

#include "ui/qt/colours.h"
#include "ui/qt/widgets.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include <array>
#include <utility>

// The pictures are compiled into this static library; the linker keeps them only if asked.
static void initialiseResources()
{
    Q_INIT_RESOURCE(zanfira);
}

namespace zanfira::ui::qt {
namespace {

struct FontSubstitute {
    std::string_view face;
    const char *substitute;
};

// Free faces installed by the project's set-up, close to the faces the window names.
constexpr std::array<FontSubstitute, 3> fontSubstitutes{{
    {"BankGothic Md BT", "League Spartan"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
}};

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int pixels(int twips)
{
    return twips / twipsPerPixel;
}

QRect pixelRect(const TwipRect &rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

// The named face where it is installed, else its free substitute: one family that the font
// database holds, because a missing first choice makes Qt ask fontconfig for fallbacks.
QString installedFamily(std::string_view face)
{
    QString named = toQString(face);
    if (QFontDatabase::hasFamily(named)) {
        return named;
    }
    for (const FontSubstitute &entry : fontSubstitutes) {
        if (entry.face == face) {
            return QString::fromLatin1(entry.substitute);
        }
    }
    return named;
}

// Sizes are given in points at 96 dpi, so that text keeps its place among the controls,
// which are laid out in pixels of that screen.
void applyFont(QWidget *widget, const Font &font)
{
    if (font.face.empty()) {
        return;
    }
    QFont qfont = widget->font();
    qfont.setFamilies({installedFamily(font.face)});
    constexpr double pixelsPerPoint = 96.0 / 72.0;
    qfont.setPixelSize(qRound(font.points * pixelsPerPoint));
    qfont.setBold(font.bold);
    widget->setFont(qfont);
}

QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void place(QWidget *widget, const ControlDeclaration &control)
{
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(pixelRect(control.rect));
    applyFont(widget, control.font);
    widget->setAccessibleDescription(toQString(control.description));
}

} // namespace

// A timed game can end in a box: the first box Qt builds costs tens of milliseconds, which
// would make the loss late, so one is built ahead once the first timer starts.
QtToolkit::QtToolkit() : timers_([this] { prepareMessageBoxes(); })
{
    initialiseResources();
}
QtToolkit::~QtToolkit() = default;

void QtToolkit::createWindow(const WindowDeclaration &window)
{
    window_ = std::make_unique<QMainWindow>();
    window_->setObjectName(toQString(window.name));
    window_->setWindowTitle(toQString(window.title));
    // Custom hints so that leaving out the maximize button counts.
    window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint);
    client_ = new ClientArea(resolveColour(window.background));
    client_->setFixedSize(pixels(window.clientWidth), pixels(window.clientHeight));
    ColouredButton::styleButtonsIn(client_);
    window_->setCentralWidget(client_);
    window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void QtToolkit::addLabel(const ControlDeclaration &label)
{
    auto *widget = new QLabel(toQString(label.text), containerOf(label));
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, resolveColour(label.foreground));
    widget->setPalette(palette);
    place(widget, label);
}

void QtToolkit::addFrame(const ControlDeclaration &frame)
{
    auto *widget = new QFrame(containerOf(frame));
    widget->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, resolveColour(frame.background));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    place(widget, frame);
    containers_[std::string(frame.name)] = widget;
}

PushButton &QtToolkit::addPushButton(const ControlDeclaration &button, Handler onClick)
{
    auto *widget = new QPushButton(toQString(button.text), containerOf(button));
    widget->setFocusPolicy(Qt::StrongFocus);
    place(widget, button);
    QObject::connect(widget, &QPushButton::clicked,
                     [this, handler = std::move(onClick)] { deliver(handler); });
    if (!focusChain_.empty()) {
        QWidget::setTabOrder(focusChain_.back(), widget);
    }
    focusChain_.push_back(widget);
    buttons_.push_back(
        std::make_unique<ColouredButton>(widget, button.background, toQString(button.blankName)));
    return *buttons_.back();
}

StatusBar &QtToolkit::addStatusBar(const ControlDeclaration &statusBar)
{
    auto *bar = new QStatusBar(containerOf(statusBar));
    bar->setSizeGripEnabled(false);
    bar->setAutoFillBackground(true);
    place(bar, statusBar);
    auto *label = new QLabel(toQString(statusBar.text), bar);
    label->setFont(bar->font());
    bar->addWidget(label, 1);
    status_ = std::make_unique<StatusText>(label);
    return *status_;
}

MenuItem &QtToolkit::addMenuItem(const MenuDeclaration &item, Handler onClick)
{
    QAction *action = nullptr;
    if (item.parent.empty()) {
        action = window_->menuBar()->addMenu(toQString(item.caption))->menuAction();
    } else if (item.caption == "-") {
        action = submenuOf(std::string(item.parent))->addSeparator();
    } else {
        action = submenuOf(std::string(item.parent))->addAction(toQString(item.caption));
    }
    action->setObjectName(toQString(item.name));
    if (item.checked || checkGroups_.contains(item.parent)) {
        makeCheckGroup(std::string(item.parent));
    }
    action->setChecked(item.checked);
    QObject::connect(action, &QAction::triggered, [this, action, handler = std::move(onClick)] {
        // The check mark is the game's to set: undo the toggle Qt made on the click.
        if (action->isCheckable()) {
            action->setChecked(!action->isChecked());
        }
        deliver(handler);
    });
    actions_[std::string(item.name)] = action;
    items_.push_back(std::make_unique<CheckItem>(action));
    return *items_.back();
}

Timer &QtToolkit::addTimer(const TimerDeclaration &timer, Handler onTimer)
{
    return timers_.add(timer.intervalMs,
                       [this, handler = std::move(onTimer)] { deliver(handler); });
}

void QtToolkit::onArrowKey(ArrowHandler handler)
{
    auto onArrow = [this, handler = std::move(handler)](Arrow arrow) {
        deliver([&handler, arrow] { handler(arrow); });
    };
    arrowKeys_ = std::make_unique<ArrowKeys>(window_.get(), std::move(onArrow));
    qApp->installEventFilter(arrowKeys_.get());
}

void QtToolkit::showWindow()
{
    window_->adjustSize();
    const QRect available = window_->screen()->availableGeometry();
    window_->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window_->size(), available)
                      .topLeft());
    if (!focusChain_.empty()) {
        focusChain_.front()->setFocus();
    }
    window_->show();
    // Reading the icon's six pictures can wait until the window is on the screen.
    QTimer::singleShot(0, window_.get(),
                       [window = window_.get()] { window->setWindowIcon(windowIcon()); });
}

void QtToolkit::messageBox(const std::string &text, const std::string &title, MessageStyle style)
{
    // Held from the start: building the box can take a noticeable moment.
    timers_.holdAll();
    QMessageBox box(style == MessageStyle::information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    window_.get());
    box.setTextFormat(Qt::PlainText);
    box.exec();
    timers_.resumeAll();
}

void QtToolkit::prepareMessageBoxes() const
{
    QTimer::singleShot(0, window_.get(), [window = window_.get()] {
        QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok, window);
        box.ensurePolished();
        box.adjustSize();
    });
}

void QtToolkit::end()
{
    ended_ = true;
    timers_.stopAll();
    window_->hide();
    QCoreApplication::exit(0);
}

QWidget *QtToolkit::containerOf(const ControlDeclaration &control) const
{
    if (control.container.empty()) {
        return client_;
    }
    return containers_.find(control.container)->second;
}

QMenu *QtToolkit::submenuOf(const std::string &name)
{
    QAction *action = actions_.at(name);
    if (action->menu() == nullptr) {
        auto *menu = new QMenu(action->text(), window_.get());
        menu->setObjectName(action->objectName());
        action->setMenu(menu);
    }
    return action->menu();
}

void QtToolkit::makeCheckGroup(const std::string &parent)
{
    checkGroups_.insert(parent);
    for (QAction *sibling : submenuOf(parent)->actions()) {
        sibling->setCheckable(!sibling->isSeparator());
    }
}

void QtToolkit::deliver(const Handler &handler) const
{
    if (!ended_ && handler) {
        handler();
    }
}

} // namespace zanfira::ui::qt
