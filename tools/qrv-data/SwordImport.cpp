#include "SwordImport.h"

#include "BookCatalogue.h"
#include "TextUtil.h"

#include <array>
#include <markupfiltmgr.h>
#include <memory>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

namespace {

constexpr std::array<std::string_view, kBookCount> kOsisNames = {
    "Gen",   "Exod", "Lev",  "Num",  "Deut", "Josh", "Judg",  "Ruth",   "1Sam",   "2Sam",  "1Kgs",
    "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",   "Ps",     "Prov",   "Eccl",  "Song",
    "Isa",   "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel",  "Amos",   "Obad",   "Jonah", "Mic",
    "Nah",   "Hab",  "Zeph", "Hag",  "Zech", "Mal",  "Matt",  "Mark",   "Luke",   "John",  "Acts",
    "Rom",   "1Cor", "2Cor", "Gal",  "Eph",  "Phil", "Col",   "1Thess", "2Thess", "1Tim",  "2Tim",
    "Titus", "Phlm", "Heb",  "Jas",  "1Pet", "2Pet", "1John", "2John",  "3John",  "Jude",  "Rev",
};

int CatalogueBookOf(std::string_view osisName) {
    for (int i = 0; i < kBookCount; ++i) {
        if (kOsisNames[i] == osisName) {
            return i + 1;
        }
    }
    return 0;
}

// Every option filter that can be switched off is: Strong's numbers, morphology, footnotes,
// cross-references, headings, red letters, lemmas and whatever else the module brings.
void SwitchOffMarkup(sword::SWMgr& manager) {
    sword::StringList options = manager.getGlobalOptions();
    for (const sword::SWBuf& option : options) {
        sword::StringList values = manager.getGlobalOptionValues(option.c_str());
        for (const sword::SWBuf& value : values) {
            if (value == "Off") {
                manager.setGlobalOption(option.c_str(), "Off");
            }
        }
    }
}

// Every verse the versification has, whether the module holds it or not: a missing verse reads as
// an empty text, so that the numbering stays complete.
void ReadBook(sword::SWModule& module, sword::VerseKey& key, int book, BibleText& verses) {
    const int chapters = key.getChapterMax();
    for (int chapter = 1; chapter <= chapters; ++chapter) {
        key.setChapter(chapter);
        key.setVerse(1);
        const int last = key.getVerseMax();
        for (int verse = 1; verse <= last; ++verse) {
            key.setVerse(verse);
            module.setKey(key);
            const char* text = module.stripText();
            verses.push_back({book, chapter, verse, FoldWhiteSpace(text ? text : "")});
        }
    }
}

} // namespace

std::string OsisBookName(int book) {
    return IsValidBook(book) ? std::string(kOsisNames[book - 1]) : std::string();
}

bool ImportSwordModule(const std::string& moduleName, BibleText& verses, std::string& error) {
    verses.clear();
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    sword::SWMgr manager(new sword::MarkupFilterMgr(sword::FMT_PLAIN));
    sword::SWModule* module = manager.getModule(moduleName.c_str());
    if (module == nullptr) {
        error = "SWORD module \"" + moduleName + "\" is not installed";
        return false;
    }
    if (std::string_view(module->getType()) != sword::SWMgr::MODTYPE_BIBLES) {
        error = "SWORD module \"" + moduleName + "\" is no Bible text (" + module->getType() + ")";
        return false;
    }
    SwitchOffMarkup(manager);
    std::unique_ptr<sword::SWKey> created(module->createKey());
    auto* key = dynamic_cast<sword::VerseKey*>(created.get());
    if (key == nullptr) {
        error = "SWORD module \"" + moduleName + "\" has no verse keys";
        return false;
    }
    key->setIntros(false);
    key->setAutoNormalize(false);
    verses.reserve(kVerseTotal);
    int nextBook = 1; // the catalogue book the module's next matching book must be
    for (int testament = 1; testament <= key->getTestamentMax(); ++testament) {
        key->setTestament(static_cast<char>(testament));
        const int books = key->getBookMax();
        for (int b = 1; b <= books; ++b) {
            key->setTestament(static_cast<char>(testament));
            key->setBook(static_cast<char>(b));
            const int book = CatalogueBookOf(key->getOSISBookName());
            if (book == 0) {
                continue; // a book outside the 66, such as the Apocrypha
            }
            if (book != nextBook) {
                error = "SWORD module \"" + moduleName + "\": book " + key->getOSISBookName() +
                        " comes where " + std::string(kOsisNames[nextBook - 1]) + " is due";
                return false;
            }
            if (key->getChapterMax() != g_chapterCounts[book - 1]) {
                error = "SWORD module \"" + moduleName + "\": " + key->getOSISBookName() +
                        StrFormat(" has %d chapters, expected %d", key->getChapterMax(),
                                  g_chapterCounts[book - 1]);
                return false;
            }
            ReadBook(*module, *key, book, verses);
            ++nextBook;
        }
    }
    if (nextBook <= kBookCount) {
        error = "SWORD module \"" + moduleName + "\" lacks the book " +
                std::string(kOsisNames[nextBook - 1]);
        verses.clear();
        return false;
    }
    return true;
}
