#include <cstdio>
#include <string>
#include <unistd.h>

// Start-up placeholder until the launcher exists: says where the data folder is.
int main() {
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string folder = n > 0 ? std::string(exe, static_cast<std::size_t>(n)) : std::string("./");
    folder.erase(folder.find_last_of('/') + 1);
    std::printf("QrvLumen data folder: %s\n", folder.c_str());
    return 0;
}
