#include "ToolFiles.h"

#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool WriteTemporary(const std::string& target, std::string_view content, std::string& tempPath,
                    std::string& error) {
    std::string name = target + ".tmp-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        error = target + ": cannot create a temporary file: " + std::strerror(errno);
        return false;
    }
    tempPath = name;
    ::fchmod(fd, 0644);
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    int savedErrno = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        error = name + ": cannot be written: " + std::strerror(savedErrno);
    }
    return ok;
}

void RemoveIfSet(const std::string& path) {
    if (!path.empty()) {
        ::unlink(path.c_str());
    }
}

void SyncFolder(const std::string& folder) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

int CreateFileExclusively(const std::string& path, std::string_view content, std::string& error) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        return 0;
    }
    std::string temp;
    if (!WriteTemporary(path, content, temp, error)) {
        RemoveIfSet(temp);
        return -1;
    }
    // A hard link fails when the name is taken, so a file that appeared meanwhile stays.
    int result = 1;
    if (::link(temp.c_str(), path.c_str()) != 0) {
        if (errno == EEXIST) {
            result = 0;
        } else {
            error = path + ": cannot be created: " + std::strerror(errno);
            result = -1;
        }
    }
    RemoveIfSet(temp);
    return result;
}
