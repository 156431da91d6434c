#include "DialogUnits.h"

int DialogUnitsToPixelsX(int x) {
    return (x * kClientWidth + kTemplateWidth / 2) / kTemplateWidth;
}

int DialogUnitsToPixelsY(int y) {
    return (y * kClientHeight + kTemplateHeight / 2) / kTemplateHeight;
}

QRect DialogUnitsToPixels(int x, int y, int cx, int cy) {
    const int left = DialogUnitsToPixelsX(x);
    const int top = DialogUnitsToPixelsY(y);
    return QRect(left, top, DialogUnitsToPixelsX(x + cx) - left,
                 DialogUnitsToPixelsY(y + cy) - top);
}
