#include "DataFolder.h"

#include "AtomicFile.h"
#include "BookCatalogue.h"
#include "HelpText.h"
#include "KrvImport.h"
#include "ReadTableFile.h"
#include "ToolFiles.h"

#include <filesystem>
#include <unistd.h>

namespace {

bool PrepareFolder(const std::string& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        error = folder + ": not a folder that can be created";
        return false;
    }
    if (::access(folder.c_str(), W_OK) != 0) {
        error = folder + ": not writable";
        return false;
    }
    return true;
}

bool InstallBible(const QrvDataOptions& options, const std::string& folder, const char* baseName,
                  const BibleText& verses, std::ostream& out, std::string& error) {
    BibleFiles files;
    if (!FormatBibleFiles(verses, files, error) ||
        !InstallBiblePair(folder, baseName, files, options.expectedVerses, error)) {
        return false;
    }
    out << baseName << ".dat, " << baseName << ".inx: " << files.verseCount << " verses, "
        << kChapterTotal << " chapters, " << files.text.size() << " bytes\n";
    return true;
}

} // namespace

int BuildDataFolder(const QrvDataOptions& options, std::ostream& out, std::ostream& err) {
    std::string folder = options.outFolder;
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    std::string error;
    if (!PrepareFolder(folder, error)) {
        err << "qrv-data: " << error << '\n';
        return 1;
    }
    BibleText verses;
    if (options.krvFolder.empty()) {
        out << "kbible.dat, kbible.inx: not written (no --krv folder given)\n";
    } else if (!ImportKrvFolder(options.krvFolder, verses, error) ||
               !InstallBible(options, folder, "kbible", verses, out, error)) {
        err << "qrv-data: Korean text not written: " << error << '\n';
        return 1;
    }
    if (!options.english) {
        out << "ebible.dat, ebible.inx: not written (--no-english)\n";
    } else if (!ImportSwordModule(options.swordModule, verses, error) ||
               !InstallBible(options, folder, "ebible", verses, out, error)) {
        err << "qrv-data: English text not written: " << error << '\n';
        return 1;
    }
    verses = BibleText{};

    const std::string helpPath = folder + "kHelp.txt";
    if (!WriteFileAtomically(helpPath, kHelpText)) {
        err << "qrv-data: " << helpPath << ": cannot be written\n";
        return 1;
    }
    out << "kHelp.txt: written\n";

    const std::string tablePath = folder + "kReadTable.txt";
    switch (CreateFileExclusively(tablePath, InitialReadTable(), error)) {
    case 1:
        out << "kReadTable.txt: written, " << kChapterTotal << " chapters unread\n";
        break;
    case 0:
        out << "kReadTable.txt: kept as it was\n";
        break;
    default:
        err << "qrv-data: " << error << '\n';
        return 1;
    }
    out << "Data folder: " << folder << '\n';
    return 0;
}
