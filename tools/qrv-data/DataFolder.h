#pragma once

#include "BibleFiles.h"
#include "SwordImport.h"

#include <ostream>
#include <string>

// What qrv-data builds, and from what.
struct QrvDataOptions {
    std::string outFolder;                         // the data folder; created when missing
    std::string krvFolder;                         // per-book Korean JSON; empty: no Korean files
    std::string swordModule = kDefaultSwordModule; // source of the English text
    bool english = true;                           // false: no English files
    int expectedVerses = kVerseTotal;              // verse lines each Bible text must have
};

// Builds the data folder: kbible.dat/.inx from the Korean JSON, ebible.dat/.inx from the SWORD
// module, kHelp.txt, and kReadTable.txt when it is missing. A short summary goes to `out`, a
// message naming the file or module to `err`. Returns the exit status: 0 done, 1 failed (any
// Bible pair not yet replaced stays as it was).
int BuildDataFolder(const QrvDataOptions& options, std::ostream& out, std::ostream& err);
