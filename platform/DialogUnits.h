#pragma once

#include <QRect>

// Geometry of the device screen: a 26-pixel title bar, then on full screens a 24-pixel
// command bar, then the client area. One pair of factors turns dialog units into pixels for
// every template, chosen so that a 138 × 154 template fills a full screen's client area.
inline constexpr int kDeviceWidth = 240;
inline constexpr int kDeviceHeight = 320;
inline constexpr int kTitleBarHeight = 26;
inline constexpr int kCommandBarHeight = 24;
inline constexpr int kClientWidth = kDeviceWidth;
inline constexpr int kClientHeight = kDeviceHeight - kTitleBarHeight - kCommandBarHeight; // 270
inline constexpr int kTemplateWidth = 138;
inline constexpr int kTemplateHeight = 154;
// Em size of the template font ("System" 10) on the device screen.
inline constexpr int kControlFontPixels = 11;

// (x, y, cx, cy) in dialog units → pixels; edges are converted separately, so controls that
// touch in units touch in pixels. (130, 0, 8, 154) → (226, 0, 14, 270).
QRect DialogUnitsToPixels(int x, int y, int cx, int cy);
int DialogUnitsToPixelsX(int x);
int DialogUnitsToPixelsY(int y);
