#pragma once

#include <QPixmap>

namespace zanfira::ui::qt {

// The window's background picture, read when it is first painted rather than at start, in
// the size that fits the screen's device pixel ratio: on any ratio above 1 the double-size
// picture, brought smoothly to the screen's own pixels where the ratio is not exactly 2, so
// that the small picture is never blown up and every pixel is then drawn one to one.
class BackgroundPicture {
public:
    const QPixmap &forRatio(qreal devicePixelRatio);

private:
    QPixmap pixmap_;
    qreal ratio_ = 0;
};

} // namespace zanfira::ui::qt
