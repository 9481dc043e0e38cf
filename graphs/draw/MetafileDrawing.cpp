#include "graphs/draw/MetafileDrawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "graphs/draw/MetafileBytes.h"

namespace vantorel {

namespace {

// A metafile without a size of its own is shown at the size of a graph.
constexpr double GraphWidth = 617, GraphHeight = 441;
// A header may claim any size; the picture stays within this many pixels a side.
constexpr double MaxPictureSide = 4096;

}  // namespace

QImage DrawMetafile(const MetafilePlayback& playback) {
    QRectF frame;
    QSizeF size = playback.PictureSize;
    if (playback.DeviceFrame && playback.DeviceFrame->width() > 0 && playback.DeviceFrame->height() > 0 &&
        size.width() > 0 && size.height() > 0) {
        frame = *playback.DeviceFrame;
    } else {
        GdiPlayer measure(playback.Mapping, nullptr);
        playback.Play(measure);
        frame = measure.Extent();
        if (!(frame.width() > 0 && frame.height() > 0)) throw MetafileDamaged("it draws nothing");
        size = frame.size().scaled(GraphWidth, GraphHeight, Qt::KeepAspectRatio);
    }
    if (!std::isfinite(size.width()) || !std::isfinite(size.height())) throw MetafileDamaged("its size is not a number");
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        size = size.scaled(MaxPictureSide, MaxPictureSide, Qt::KeepAspectRatio);
    }
    const int width = std::max(1, static_cast<int>(std::lround(size.width())));
    const int height = std::max(1, static_cast<int>(std::lround(size.height())));

    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    GdiPlayer player(playback.Mapping, &painter);
    player.SetDeviceToPicture(QTransform(width / frame.width(), 0, 0, height / frame.height(),
                                         -frame.left() * width / frame.width(), -frame.top() * height / frame.height()));
    playback.Play(player);
    return picture;
}

}  // namespace vantorel
