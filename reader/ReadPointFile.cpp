#include "ReadPointFile.h"

#include "AtomicFile.h"
#include "BookCatalogue.h"
#include "ChapterLayout.h"
#include "ColonFields.h"
#include "TextFile.h"
#include "TextUtil.h"

#include <optional>

const ReadPointFormat kKoreanReadPointFormat = {
    "kReadPoint.txt",
    "QRV Vellumreader Ver2.5 한글성경 자동책갈피\n",
    "QRV Vellumreader Ver2.5 한글성경 자동책갈피\r\n",
    100,
};

const ReadPointFormat kEnglishReadPointFormat = {
    "eReadPoint.txt",
    "QRV Vellumreader Ver 2.5 영어성경 자동책갈피\r\n",
    "QRV Vellumreader Ver2.5 영어성경 자동책갈피\r\n",
    49,
};

namespace {

constexpr std::string_view kCreatedRecords = "1:1:1:14:0\n0:0:0\n255:255:255";

std::optional<RgbColor> ParseColor(std::string_view line) {
    const std::vector<int> f = ParseColonFields(line);
    if (f.size() < 3) {
        return std::nullopt;
    }
    return RgbColor::FromComponents(f[0], f[1], f[2]);
}

// The four lines, or nullopt when a line or a field is missing or the place is no chapter.
std::optional<ReadPoint> ParseReadPoint(CTextFile& file, int lineChars) {
    std::string header;
    std::string position;
    std::string text;
    std::string back;
    if (!file.ReadLine(header, lineChars) || !file.ReadLine(position, lineChars) ||
        !file.ReadLine(text, lineChars) || !file.ReadLine(back, lineChars)) {
        return std::nullopt;
    }
    const std::vector<int> f = ParseColonFields(position);
    const auto textColor = ParseColor(text);
    const auto backColor = ParseColor(back);
    if (f.size() < 5 || !textColor || !backColor || !IsValidChapter(f[0], f[1]) ||
        !IsUsableFontSize(f[3])) {
        return std::nullopt;
    }
    return ReadPoint{f[0], f[1], f[2], f[3], f[4], *textColor, *backColor};
}

} // namespace

ReadPointLoad LoadReadPoint(const std::string& path, const ReadPointFormat& format) {
    CTextFile file;
    if (!file.Open(path, "r")) {
        std::string created(format.creationHeader);
        created += kCreatedRecords;
        const bool saved = WriteFileAtomically(path, created);
        return {ReadPoint{}, saved ? ReadPointOrigin::Created : ReadPointOrigin::NotSaved};
    }
    const std::optional<ReadPoint> point = ParseReadPoint(file, format.lineChars);
    file.Close();
    if (!point) {
        return {ReadPoint{}, ReadPointOrigin::Malformed};
    }
    return {*point, ReadPointOrigin::File};
}

std::string FormatReadPoint(const ReadPointFormat& format, const ReadPoint& p) {
    std::string out(format.closingHeader);
    out += StrFormat("%d:%d:%d:%d:%d\r\n", p.book, p.chapter, p.topLine, p.fontSize, p.parallel);
    out += StrFormat("%d:%d:%d\r\n", p.textColor.red, p.textColor.green, p.textColor.blue);
    out += StrFormat("%d:%d:%d", p.backColor.red, p.backColor.green, p.backColor.blue);
    return out;
}

bool SaveReadPoint(const std::string& path, const ReadPointFormat& format, const ReadPoint& point) {
    return WriteFileAtomically(path, FormatReadPoint(format, point));
}
