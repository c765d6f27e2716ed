#pragma once
// Files the fuzzers hand to readers that take a path. They are written
// plainly into a folder of the fuzzer's own in memory (/dev/shm where there
// is one): the program's safe writing syncs, which would cost most of the
// time of a run.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace qor::fuzz {

// A new empty folder, ending in '/'.
inline std::string makeDirectory(const char* name) {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/qor-" + name + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    return pattern + "/";
}

inline void writeFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

} // namespace qor::fuzz
