#include "Fonts.h"

#include <QApplication>

void InstallFontSubstitutions() {
    for (const char* face : {"Tahoma", "System", "MS Shell Dlg", "MS Shell Dlg 2"}) {
        QFont::insertSubstitution(face, kHangulFace);
    }
    QFont base(kHangulFace);
    base.setPixelSize(12);
    QApplication::setFont(base);
}

QFont MakeFont(std::string_view face, int pixelHeight, int weight) {
    QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    if (family == "Tahoma" || family == "System" || family.isEmpty()) {
        family = kHangulFace;
    }
    QFont font(family);
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 12);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void PrepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    InstallFontSubstitutions();
}
