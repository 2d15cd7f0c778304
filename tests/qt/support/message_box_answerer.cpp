#include "message_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>

namespace zanfira::qttest {

MessageBoxAnswerer::MessageBoxAnswerer(std::chrono::milliseconds openFor) : openFor_(openFor)
{
    constexpr std::chrono::milliseconds pollInterval{5};
    QObject::connect(&poller_, &QTimer::timeout, [this] { answerOpenBox(); });
    poller_.start(pollInterval);
}

void MessageBoxAnswerer::answerOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (box == nullptr) {
        return;
    }
    if (box != current_) {
        current_ = box;
        currentOpenedAt_ = std::chrono::steady_clock::now();
        seen_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                         currentOpenedAt_});
    }
    if (std::chrono::steady_clock::now() - currentOpenedAt_ < openFor_) {
        return;
    }
    if (QAbstractButton *ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        // A box without OK fails its checks, but must not hang the run.
        box->done(QDialog::Rejected);
    }
}

} // namespace zanfira::qttest
