#include "ConfPointFile.h"

#include "AtomicFile.h"
#include "BookCatalogue.h"
#include "ChapterLayout.h"
#include "ColonFields.h"
#include "TextFile.h"
#include "TextUtil.h"

const ConfPointFormat kKoreanConfPointFormat = {
    "kConfPoint.txt",
    "Qrv Vellumreader Ver2.5 한글성경 수동책갈피\n",
};

const ConfPointFormat kEnglishConfPointFormat = {
    "eConfPoint.txt",
    "QRV Vellumreader Ver 2.5 영어성경 수동책갈피\r\n",
};

namespace {
constexpr int kConfLineChars = 100; // up to 99 characters a line
}

ConfPointRead ReadConfPoint(const std::string& path, ConfPointRecord& record) {
    CTextFile file;
    if (!file.Open(path, "r")) {
        return ConfPointRead::Missing;
    }
    std::string header;
    std::string line;
    const bool read = file.ReadLine(header, kConfLineChars) && file.ReadLine(line, kConfLineChars);
    file.Close();
    if (!read) {
        return ConfPointRead::Malformed;
    }
    const std::vector<int> f = ParseColonFields(line);
    if (f.size() < 5 || !IsValidChapter(f[0], f[1]) || !IsUsableFontSize(f[3])) {
        return ConfPointRead::Malformed;
    }
    record = {f[0], f[1], f[2], f[3], f[4]};
    return ConfPointRead::Loaded;
}

std::string FormatConfPoint(const ConfPointFormat& format, const ConfPointRecord& r) {
    std::string out(format.header);
    out += StrFormat("%d:%d:%d:%d:%d", r.book, r.chapter, r.topLine, r.fontSize, r.parallel);
    return out;
}

bool WriteConfPoint(const std::string& path, const ConfPointFormat& format,
                    const ConfPointRecord& record) {
    return WriteFileAtomically(path, FormatConfPoint(format, record));
}
