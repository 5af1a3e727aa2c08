#pragma once
// The window is designed in twips (1440 per inch). At the usual 96 pixels per inch a pixel is
// 15 twips; every design length passes through here and nowhere else.
#include <QRect>

namespace lettermaze::ui {

inline constexpr int kTwipsPerPixel = 15;

inline int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
inline int twips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect pxRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace lettermaze::ui
