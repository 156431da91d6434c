#include "ReaderScreenFolder.h"

#include "Dialog.h"
#include "ReaderGlobals.h"
#include "ScriptureStore.h"
#include "TestBibleFiles.h"
#include "TextUtil.h"

#include <QWidget>

namespace {

constexpr int kLongChapterVerses = 24;

bool IsLongChapter(int book, int chapter) {
    return chapter == 1 || book == 19;
}

int VerseCount(int book, int chapter) {
    return IsLongChapter(book, chapter) ? kLongChapterVerses : 3;
}

std::string KoreanVerse(int book, int chapter, int verse) {
    std::string text =
        StrFormat("%s %d장 %d절", std::string(KoreanBookName(book)).c_str(), chapter, verse);
    if (IsLongChapter(book, chapter)) {
        text += " 태초에 하나님이 천지를 창조하시니라 땅이 혼돈하고 공허하며";
    }
    return text;
}

std::string EnglishVerse(int book, int chapter, int verse) {
    std::string text =
        StrFormat("Word of %s %d:%d", std::string(EnglishBookName(book)).c_str(), chapter, verse);
    if (IsLongChapter(book, chapter)) {
        text += " In the beginning God created the heaven and the earth, and the earth was "
                "without form.";
    }
    return text;
}

std::string ReadPointFile(std::string_view header, std::string_view position, std::string_view text,
                          std::string_view back) {
    return std::string(header) + std::string(position) + "\r\n" + std::string(text) + "\r\n" +
           std::string(back);
}

} // namespace

CReaderFolder::CReaderFolder() {
    WriteTestBibles(*this, {VerseCount, KoreanVerse, EnglishVerse});
    LoadTestBibles(*this);
    ResetReaderGlobals();
}

CReaderFolder::~CReaderFolder() {
    ResetScriptureStore();
    ResetReaderGlobals();
}

void CReaderFolder::WriteKoreanReadPoint(std::string_view position, std::string_view text,
                                         std::string_view back) const {
    Write("kReadPoint.txt", ReadPointFile(kKoreanClosingHeader, position, text, back));
}

void CReaderFolder::WriteEnglishReadPoint(std::string_view position, std::string_view text,
                                          std::string_view back) const {
    Write("eReadPoint.txt", ReadPointFile(kEnglishClosingHeader, position, text, back));
}

QImage GrabClient(const CDialog& dialog) {
    return dialog.ClientWidget()->grab().toImage();
}

QImage GrabPageWithoutChildren(const CDialog& dialog) {
    QWidget* client = dialog.ClientWidget();
    QImage image(client->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    client->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

bool HasInk(const QImage& image, const QRect& area, const QColor& colour) {
    return FirstInkRow(image, area, colour) >= 0;
}

int FirstInkRow(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (image.pixelColor(x, y).rgb() != colour.rgb()) {
                return y;
            }
        }
    }
    return -1;
}
