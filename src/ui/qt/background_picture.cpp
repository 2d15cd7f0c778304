#include "ui/qt/background_picture.h"

#include <QImage>

namespace zanfira::ui::qt {
namespace {

QImage sourceFor(qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QImage sharp(QStringLiteral(":/background@2x.png"));
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    return QImage(QStringLiteral(":/background.png"));
}

} // namespace

const QPixmap &BackgroundPicture::forRatio(qreal devicePixelRatio)
{
    if (pixmap_.isNull() || ratio_ != devicePixelRatio) {
        QImage picture = sourceFor(devicePixelRatio);
        if (picture.devicePixelRatio() != devicePixelRatio) {
            const QSizeF onScreen = picture.deviceIndependentSize() * devicePixelRatio;
            picture =
                picture.scaled(onScreen.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            picture.setDevicePixelRatio(devicePixelRatio);
        }
        pixmap_ = QPixmap::fromImage(std::move(picture));
        ratio_ = devicePixelRatio;
    }
    return pixmap_;
}

} // namespace zanfira::ui::qt
