#pragma once

#include <QPixmap>
#include <QSize>

// Bitmap resources (the launcher's title picture 133, the About picture 131), drawn at the
// pixel size their picture control has. A null pixmap for an unknown id.
QPixmap LoadBitmapResource(int id, QSize size);
