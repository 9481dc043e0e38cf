#pragma once
// Draws a metafile into a picture: the readers say which part of the device space the picture
// shows and how large it is; a file that says neither is measured first and shown whole.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <optional>

#include "graphs/draw/GdiPlayer.h"

namespace vantorel {

struct MetafilePlayback {
    MetafileMapping Mapping = MetafileMapping::DeviceContext;
    // The part of the device space shown, and its size in pixels at 96 per inch; none: the
    // extent of the drawing, at the size of a graph.
    std::optional<QRectF> DeviceFrame;
    QSizeF PictureSize;
    // Plays every record of the file onto the player; called once more to measure.
    std::function<void(GdiPlayer&)> Play;
};

// Throws MetafileDamaged, also for a file that draws nothing.
QImage DrawMetafile(const MetafilePlayback& playback);

}  // namespace vantorel
