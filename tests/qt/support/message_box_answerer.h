#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <vector>

namespace zanfira::qttest {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    std::chrono::steady_clock::time_point seenAt;
};

// Plays the player in front of message boxes: while it lives, every modal message box is
// recorded as it opens and dismissed with OK once it has been open for `openFor`, so no
// test ever blocks on one.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::chrono::milliseconds openFor = std::chrono::milliseconds{0});
    MessageBoxAnswerer(const MessageBoxAnswerer &) = delete;
    MessageBoxAnswerer &operator=(const MessageBoxAnswerer &) = delete;

    [[nodiscard]] const std::vector<SeenBox> &seen() const { return seen_; }

private:
    void answerOpenBox();

    std::chrono::milliseconds openFor_;
    QTimer poller_;
    QPointer<QMessageBox> current_;
    std::chrono::steady_clock::time_point currentOpenedAt_;
    std::vector<SeenBox> seen_;
};

} // namespace zanfira::qttest
