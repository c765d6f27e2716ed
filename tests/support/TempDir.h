#pragma once
// A temporary directory for one test, removed with everything in it afterwards.

#include <string>
#include <string_view>

namespace qor::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory as a program path, ending in '/'.
    const std::string& path() const { return path_; }

    // path() + relative; creates the parent directories of a file.
    std::string file(std::string_view relative, std::string_view content) const;
    std::string dir(std::string_view relative) const;
    // path() + relative, a name that exists but cannot be read, not even by
    // root: it leads to a file whose first read fails.
    std::string unreadableFile(std::string_view relative) const;

private:
    std::string path_;
};

} // namespace qor::test
