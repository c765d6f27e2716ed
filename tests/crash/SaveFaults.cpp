// Faults for the save tests, loaded into a process with LD_PRELOAD. They hit
// only files below $QOR_FAULT_DIR; $QOR_FAULT names the fault:
//   kill-in-write       the first write there stores half its bytes, then SIGKILL
//   kill-before-rename  SIGKILL instead of a rename onto a file there
//   kill-after-rename   SIGKILL right after such a rename
//   no-space            every write there fails with ENOSPC, as on a full disk

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

bool isFault(const char* name) {
    const char* fault = std::getenv("QOR_FAULT");
    return fault && std::strcmp(fault, name) == 0;
}

bool inFaultDir(const char* path) {
    const char* dir = std::getenv("QOR_FAULT_DIR");
    return dir && *dir && path && std::strncmp(path, dir, std::strlen(dir)) == 0;
}

bool fileInFaultDir(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0)
        return false;
    path[length] = '\0';
    return inFaultDir(path);
}

[[noreturn]] void die() {
    kill(getpid(), SIGKILL);
    std::abort();
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const Write realWrite = next<Write>("write");
    if (fd > STDERR_FILENO && fileInFaultDir(fd)) {
        if (isFault("no-space")) {
            errno = ENOSPC;
            return -1;
        }
        if (isFault("kill-in-write") && size > 1) {
            realWrite(fd, data, size / 2);
            die();
        }
    }
    return realWrite(fd, data, size);
}

extern "C" int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const Rename realRename = next<Rename>("rename");
    if (!inFaultDir(to))
        return realRename(from, to);
    if (isFault("kill-before-rename"))
        die();
    const int result = realRename(from, to);
    if (isFault("kill-after-rename"))
        die();
    return result;
}
