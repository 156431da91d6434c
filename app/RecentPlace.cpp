#include "RecentPlace.h"

#include "BookCatalogue.h"
#include "TextFile.h"
#include "TextUtil.h"

RecentPlace ReadRecentPlace(const std::string& path) {
    RecentPlace place;
    CTextFile file;
    if (!file.Open(path, "r")) {
        return place;
    }
    place.status = RecentPlace::Status::Invalid;
    std::string header;
    std::string line;
    const bool read = file.ReadLine(header, 100) && file.ReadLine(line, 100);
    file.Close();
    if (!read) {
        return place;
    }
    const std::string_view position = StripLineEnd(line);
    const auto first = position.find(':');
    if (first == std::string_view::npos) {
        return place;
    }
    const int book = ParseLeadingInt(position.substr(0, first));
    std::string_view chapter = position.substr(first + 1);
    chapter = chapter.substr(0, chapter.find(':'));
    if (!IsValidBook(book) || chapter.empty()) {
        return place;
    }
    place.status = RecentPlace::Status::Found;
    place.bookName = KoreanBookName(book);
    place.chapterText = chapter;
    return place;
}
