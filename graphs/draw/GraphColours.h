#pragma once
// The colours of the graphs.

#include <QColor>

namespace vantorel::colours {

inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb Silver = qRgb(192, 192, 192);
inline constexpr QRgb DarkBlue = qRgb(0, 0, 139);
inline constexpr QRgb Yellow = qRgb(255, 255, 0);
inline constexpr QRgb Lime = qRgb(0, 255, 0);
inline constexpr QRgb Aqua = qRgb(0, 255, 255);
inline constexpr QRgb Red = qRgb(255, 0, 0);
inline constexpr QRgb Fuchsia = qRgb(255, 0, 255);
inline constexpr QRgb SkyBlue = qRgb(166, 202, 240);
inline constexpr QRgb Ochre = qRgb(215, 167, 91);
inline constexpr QRgb Rose = qRgb(255, 228, 225);
inline constexpr QRgb Salmon = qRgb(249, 210, 204);
// The grey of inactive window captions in the classic desktop scheme. A fixed value rather than
// the running desktop's palette, so that a graph looks the same everywhere; it reads well on the
// dark-blue plot and stays distinct from the sky-blue bars it alternates with.
inline constexpr QRgb CaptionGrey = qRgb(128, 128, 128);

}  // namespace vantorel::colours
