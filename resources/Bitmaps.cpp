#include "Bitmaps.h"

#include "ResourceIds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

// An open book seen from the front, filling `r`.
void DrawOpenBook(QPainter& p, const QRectF& r, const QColor& page, const QColor& edge) {
    const qreal midX = r.center().x();
    QPainterPath left;
    left.moveTo(midX, r.top() + r.height() * 0.18);
    left.cubicTo(midX - r.width() * 0.18, r.top(), r.left() + r.width() * 0.1,
                 r.top() + r.height() * 0.05, r.left(), r.top() + r.height() * 0.12);
    left.lineTo(r.left(), r.bottom() - r.height() * 0.08);
    left.cubicTo(r.left() + r.width() * 0.12, r.bottom() - r.height() * 0.16,
                 midX - r.width() * 0.18, r.bottom() - r.height() * 0.14, midX, r.bottom());
    left.closeSubpath();
    QTransform mirror;
    mirror.translate(2 * midX, 0);
    mirror.scale(-1, 1);
    const QPainterPath right = mirror.map(left);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(page);
    p.drawPath(left);
    p.drawPath(right);
    // Lines of text on both pages.
    p.setPen(QPen(QColor(120, 120, 140), 1));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = r.top() + r.height() * (0.2 + 0.15 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.08, y),
                   QPointF(midX - r.width() * 0.08, y + 1));
        p.drawLine(QPointF(midX + r.width() * 0.08, y + 1),
                   QPointF(r.right() - r.width() * 0.08, y));
    }
}

QPixmap DrawLauncherPicture(QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(18, 32, 84));
    sky.setColorAt(1, QColor(44, 92, 168));
    p.fillRect(pm.rect(), sky);
    // Light rising from the book.
    const QPointF source(size.width() * 0.2, size.height() * 0.62);
    QRadialGradient glow(source, size.height() * 0.9);
    glow.setColorAt(0, QColor(255, 236, 170, 200));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(source, size.height() * 0.9, size.height() * 0.9);
    p.setPen(QPen(QColor(255, 230, 150, 150), 1.5));
    for (int i = -3; i <= 3; ++i) {
        const qreal angle = -1.5708 + i * 0.3;
        p.drawLine(source,
                   source + QPointF(std::cos(angle), std::sin(angle)) * size.height() * 0.6);
    }
    DrawOpenBook(
        p,
        QRectF(size.width() * 0.05, size.height() * 0.5, size.width() * 0.3, size.height() * 0.4),
        QColor(252, 248, 235), QColor(150, 110, 60));
    // Title and subtitle.
    QFont title("NanumGothic");
    title.setPixelSize(qMax(10, size.height() * 30 / 77));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    const QRectF textArea(size.width() * 0.38, 0, size.width() * 0.6, size.height() * 0.62);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignBottom, "QrvLumen");
    QFont subtitle("NanumGothic");
    subtitle.setPixelSize(qMax(8, size.height() * 13 / 77));
    p.setFont(subtitle);
    p.setPen(QColor(255, 226, 140));
    p.drawText(
        QRectF(size.width() * 0.39, size.height() * 0.64, size.width() * 0.6, size.height() * 0.3),
        Qt::AlignLeft | Qt::AlignTop, "한영 성경 · 찬송가");
    return pm;
}

QPixmap DrawAboutPicture(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(32, 64, 140));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 4, 4);
    DrawOpenBook(
        p,
        QRectF(size.width() * 0.12, size.height() * 0.3, size.width() * 0.76, size.height() * 0.55),
        QColor(252, 248, 235), QColor(200, 160, 90));
    p.setPen(QPen(QColor(255, 220, 120), 1.2));
    const QPointF top(size.width() * 0.5, size.height() * 0.1);
    p.drawLine(top, top + QPointF(0, size.height() * 0.18));
    p.drawLine(top + QPointF(-size.width() * 0.1, size.height() * 0.09),
               top + QPointF(size.width() * 0.1, size.height() * 0.09));
    return pm;
}

} // namespace

QPixmap LoadBitmapResource(int id, QSize size) {
    if (size.isEmpty()) {
        return {};
    }
    switch (id) {
    case IDB_LAUNCHER_PICTURE:
        return DrawLauncherPicture(size);
    case IDB_ABOUT_PICTURE:
        return DrawAboutPicture(size);
    default:
        return {};
    }
}
