#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What the game asks of a window toolkit, and nothing more. The rules, the window
// declaration and the commands are written against these classes only, so they run
// unchanged on the Qt toolkit and on the headless one the tests use.
namespace zanfira::ui {

// 0x00BBGGRR, or a system colour: top bit set, system colour index in the low byte.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Colour{red} | (Colour{green} << 8U) | (Colour{blue} << 16U);
}
constexpr Colour systemColour(std::uint8_t index)
{
    return 0x80000000U | index;
}
constexpr bool isSystemColour(Colour colour)
{
    return (colour & 0x80000000U) != 0;
}
constexpr std::uint8_t systemColourIndex(Colour colour)
{
    return colour & 0xFFU;
}
constexpr std::uint8_t redOf(Colour colour)
{
    return colour & 0xFFU;
}
constexpr std::uint8_t greenOf(Colour colour)
{
    return (colour >> 8U) & 0xFFU;
}
constexpr std::uint8_t blueOf(Colour colour)
{
    return (colour >> 16U) & 0xFFU;
}

inline constexpr Colour desktopColour = systemColour(1);
inline constexpr Colour buttonFaceColour = systemColour(15);

// Lengths in twips: 15 make one pixel at 96 dpi.
inline constexpr int twipsPerPixel = 15;

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// An empty face means the toolkit's default font.
struct Font {
    std::string_view face;
    double points;
    bool bold;
};

// Declarations are read during the call that takes them: the toolkit copies what it keeps.
struct WindowDeclaration {
    std::string_view name;
    std::string_view title;
    int clientWidth;  // twips
    int clientHeight; // twips
    Colour background;
};

// A control sits in the window (empty container) or in a frame named as its container.
// Labels are transparent: the window's picture shows through them.
// A screen reader speaks a control by its text and description; a button whose caption
// is empty is spoken by its blank name instead.
struct ControlDeclaration {
    std::string_view name;
    std::string_view container;
    TwipRect rect;
    std::string_view text;
    Font font;
    Colour foreground;
    Colour background;
    std::string_view description{};
    std::string_view blankName{};
};

// Items hang from the menu bar (empty parent) or from the item named as parent;
// the caption "-" makes a separator.
struct MenuDeclaration {
    std::string_view name;
    std::string_view parent;
    std::string_view caption;
    bool checked;
};

struct TimerDeclaration {
    std::string_view name;
    int intervalMs;
};

enum class MessageStyle : int { plain = 0, information = 64 };

using Handler = std::function<void()>;

enum class Arrow { left, right, up, down };
using ArrowHandler = std::function<void(Arrow)>;

class PushButton {
public:
    virtual ~PushButton() = default;
    [[nodiscard]] virtual std::string caption() const = 0;
    virtual void setCaption(const std::string &caption) = 0;
    virtual void setBackground(Colour colour) = 0;
};

class MenuItem {
public:
    virtual ~MenuItem() = default;
    [[nodiscard]] virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

// While enabled, fires every interval counted from the moment it was enabled;
// enabling an enabled timer starts its interval again.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
};

class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void setText(const std::string &text) = 0;
};

// Realises one window from its declarations and delivers its events. No timer event
// is delivered while a message box is open: enabled timers resume afterwards with
// the time they had left.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    virtual void createWindow(const WindowDeclaration &window) = 0;
    virtual void addLabel(const ControlDeclaration &label) = 0;
    virtual void addFrame(const ControlDeclaration &frame) = 0;
    // Buttons take the keyboard focus in the order they are added.
    virtual PushButton &addPushButton(const ControlDeclaration &button, Handler onClick) = 0;
    virtual StatusBar &addStatusBar(const ControlDeclaration &statusBar) = 0;
    virtual MenuItem &addMenuItem(const MenuDeclaration &item, Handler onClick) = 0;
    virtual Timer &addTimer(const TimerDeclaration &timer, Handler onTimer) = 0;
    // The arrow keys pressed in the window, whichever of its controls has the focus.
    virtual void onArrowKey(ArrowHandler handler) = 0;
    virtual void showWindow() = 0;
    // Modal: returns once the player has dismissed the box.
    virtual void messageBox(const std::string &text, const std::string &title,
                            MessageStyle style) = 0;
    // Stops the program at once; no handler runs after it.
    virtual void end() = 0;
};

} // namespace zanfira::ui
