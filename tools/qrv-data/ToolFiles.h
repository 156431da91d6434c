#pragma once

#include <string>
#include <string_view>

// Writes `content` to a fresh temporary file beside `target` ("<target>.tmp-XXXXXX") and makes
// it durable. `tempPath` gets the file's name as soon as it exists, so that the caller can
// remove it whatever happens next. False with a message naming the file otherwise.
bool WriteTemporary(const std::string& target, std::string_view content, std::string& tempPath,
                    std::string& error);

// Removes the file when `path` is not empty.
void RemoveIfSet(const std::string& path);

// Makes renames inside `folder` durable.
void SyncFolder(const std::string& folder);

// Creates `path` with `content` only when no file of that name exists, without a moment in which
// a half-written file could be seen or an existing one replaced. Returns 1 created, 0 kept
// (it existed), -1 failed (with `error` set).
int CreateFileExclusively(const std::string& path, std::string_view content, std::string& error);
