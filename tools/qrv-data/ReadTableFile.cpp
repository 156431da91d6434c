#include "ReadTableFile.h"

#include "BookCatalogue.h"
#include "TextUtil.h"

std::string InitialReadTable() {
    std::string table = kReadTableHeader;
    for (int book = 1; book <= kBookCount; ++book) {
        const std::string name(g_koreanBookNames[book - 1]);
        for (int chapter = 1; chapter <= g_chapterCounts[book - 1]; ++chapter) {
            table += StrFormat("%s:%d:%d:%d \n", name.c_str(), book, chapter, 0);
        }
    }
    return table;
}
