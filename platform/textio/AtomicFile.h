#pragma once

#include <string>
#include <string_view>

// Replaces `path` with `content` through a temporary file in the same folder and a rename, so
// that a crash or a full disk leaves either the old file or the new one, never a mix.
// Returns false (the old file untouched) when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Writes all of `content` to an open descriptor, resuming after interrupted or short writes.
bool WriteAll(int fd, std::string_view content);

// Test hook: while set, every atomic write fails before touching the target, as a full or
// read-only disk would make it (privileged test runs can't make a folder unwritable).
void SetAtomicWriteFailureForTesting(bool fail);
