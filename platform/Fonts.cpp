#include "Fonts.h"

#include <QApplication>
#include <QFontMetrics>

void InstallFontSubstitutions() {
    for (const char* face : {"Tahoma", "System", "MS Shell Dlg", "MS Shell Dlg 2"}) {
        QFont::insertSubstitution(face, kHangulFace);
    }
    QFont base(kHangulFace);
    base.setPixelSize(12);
    QApplication::setFont(base);
}

QFont UiFont(int emPixels, int weight) {
    QFont font(kHangulFace);
    font.setPixelSize(emPixels > 0 ? emPixels : 12);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont MakeFont(std::string_view face, int cellHeight, int weight) {
    QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    if (family == "Tahoma" || family == "System" || family.isEmpty()) {
        family = kHangulFace;
    }
    QFont font = UiFont(cellHeight, weight);
    font.setFamily(family);
    for (int pixels = font.pixelSize(); pixels > 1 && QFontMetrics(font).height() > cellHeight;) {
        font.setPixelSize(--pixels);
    }
    return font;
}

void PrepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    InstallFontSubstitutions();
}
