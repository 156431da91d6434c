#include "BookmarkFile.h"

#include "AtomicFile.h"
#include "BookmarkScan.h"
#include "ScriptureStore.h"
#include "TextFile.h"
#include "TextUtil.h"

#include <filesystem>

namespace {
constexpr int kMaxCountedRecords = 99;
constexpr int kLineCountChars = 512;

enum class FileState { Read, Missing, Unreadable };

// Reads the whole file. A failed read is "missing" only when nothing stands at the path, so that
// a file that exists but can't be read is never taken for absent and recreated over.
FileState ReadBookmarkFile(const std::string& path, std::string& content) {
    if (ReadWholeFile(path, content)) {
        return FileState::Read;
    }
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    return !exists && !ec ? FileState::Missing : FileState::Unreadable;
}

bool IsSingleRecordLine(std::string_view line) {
    if (line.empty() || line.back() != '\n') {
        return false;
    }
    const std::string_view body = line.substr(0, line.size() - 1);
    if (body.find_first_of("\r\n") != std::string_view::npos ||
        CharCount(line) > static_cast<std::size_t>(kMaxRecordLineChars)) {
        return false;
    }
    BookmarkRecord record;
    bool endsList = false;
    return CBookmarkScan::ClassifyRecordLine(line, record, endsList) == BookmarkLineKind::Listed;
}

void LoadFromContent(std::string_view content, CBookmarkTable& table) {
    table.Clear();
    CBookmarkScan scan(content, CBookmarkTable::kCapacity);
    BookmarkLine line;
    while (!table.IsFull() && scan.Next(line)) {
        if (line.kind == BookmarkLineKind::Listed) {
            table.Add(line.record);
        }
    }
}

// The line a rewrite keeps for a listed record: the normalised form when it reads back as the
// same bookmark, else the line as it stood (a title so long that the regenerated book name would
// push the line past kMaxBookmarkLineBytes, say), so no bookmark ever changes or drops out.
std::string RewrittenRecord(const BookmarkLine& line) {
    std::string normal = FormatBookmarkRecord(line.record);
    BookmarkRecord back;
    bool endsList = false;
    if (CBookmarkScan::ClassifyRecordLine(normal, back, endsList) == BookmarkLineKind::Listed &&
        back.SameBookmark(line.record)) {
        return normal;
    }
    std::string kept(line.text);
    if (kept.back() != '\n') {
        kept += '\n';
    }
    return kept;
}

// The file without listed record `row`, or false when that record isn't `shown` (or is gone).
bool RewriteWithout(std::string_view content, const BookmarkRecord& shown, int row,
                    std::string& rewritten) {
    rewritten.assign(kRewriteHeader);
    bool found = false;
    CBookmarkScan scan(content, CBookmarkTable::kCapacity);
    BookmarkLine line;
    while (scan.Next(line)) {
        if (line.kind == BookmarkLineKind::Header) {
            // No header of this program holds ':'; such a first line is a record.
            if (line.text.find(':') != std::string_view::npos) {
                rewritten += line.text;
                if (rewritten.back() != '\n') {
                    rewritten += '\n';
                }
            }
        } else if (line.kind == BookmarkLineKind::Other) {
            rewritten += line.text;
        } else if (line.number != row + 1) {
            rewritten += RewrittenRecord(line);
        } else if (line.record.SameBookmark(shown)) {
            found = true;
        } else {
            return false;
        }
    }
    return found;
}
} // namespace

std::string BookmarkFilePath() {
    return DataFilePath(kBookmarkFileName);
}

bool LoadBookmarks(const std::string& path, CBookmarkTable& table) {
    std::string content;
    switch (ReadBookmarkFile(path, content)) {
    case FileState::Read:
        LoadFromContent(content, table);
        return true;
    case FileState::Missing:
        table.Clear();
        return WriteFileAtomically(path, kListHeader);
    case FileState::Unreadable:
        break;
    }
    table.Clear();
    return false;
}

bool AppendBookmarkLine(const std::string& path, std::string_view line) {
    if (!IsSingleRecordLine(line)) {
        return false;
    }
    std::string content;
    switch (ReadBookmarkFile(path, content)) {
    case FileState::Read:
        break;
    case FileState::Missing:
        content.clear();
        break;
    case FileState::Unreadable:
        return false;
    }
    std::string_view withoutMark = content;
    if (withoutMark.starts_with("\xEF\xBB\xBF")) {
        withoutMark.remove_prefix(3);
    }
    if (withoutMark.empty()) {
        content += kListHeader;
    } else if (content.back() != '\n') {
        content += '\n';
    }
    content += line;
    return WriteFileAtomically(path, content);
}

BookmarkDeleteResult DeleteBookmarkRecord(const std::string& path, CBookmarkTable& table, int row) {
    std::string content;
    const FileState state = ReadBookmarkFile(path, content);
    if (state == FileState::Unreadable) {
        return BookmarkDeleteResult::Failed;
    }
    std::string rewritten;
    if (!table.Contains(row) || !RewriteWithout(content, table.At(row), row, rewritten)) {
        LoadFromContent(content, table);
        return BookmarkDeleteResult::Changed;
    }
    if (!WriteFileAtomically(path, rewritten)) {
        return BookmarkDeleteResult::Failed;
    }
    LoadFromContent(rewritten, table);
    return BookmarkDeleteResult::Deleted;
}

std::optional<int> CountBookmarkRecords(const std::string& path) {
    std::string content;
    switch (ReadBookmarkFile(path, content)) {
    case FileState::Read:
        break;
    case FileState::Missing:
        return WriteFileAtomically(path, kChapterViewHeader) ? std::optional<int>(1) : std::nullopt;
    case FileState::Unreadable:
        return std::nullopt;
    }
    CBookmarkScan scan(content, kMaxCountedRecords);
    BookmarkLine line;
    int records = 0;
    while (scan.Next(line)) {
        if (line.kind == BookmarkLineKind::Listed) {
            ++records;
        }
    }
    return records + 1;
}

std::optional<int> CountBookmarkLines(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return WriteFileAtomically(path, kListHeader) ? std::optional<int>(1) : std::nullopt;
    }
    // A folder opens for reading here and reads as empty; it must not pass for a file.
    CTextFile file;
    if (status.type() != std::filesystem::file_type::regular || !file.Open(path, "r")) {
        return std::nullopt;
    }
    int lines = 0;
    std::string line;
    while (file.ReadLine(line, kLineCountChars)) {
        ++lines;
        if (file.AtEnd()) {
            break;
        }
    }
    file.Close();
    return lines > 0 ? lines : 1;
}
