#include "page/model/PageStream.h"

#include "page/model/PageMessages.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/Zlib.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {

namespace {

using namespace qor::literals;

// Closes the descriptor on every way out.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The reason of a failed read in the words the program's users know.
std::string describeError(int error) {
    switch (error) {
    case ENOENT:
        return "Datei nicht gefunden";
    case ENOTDIR:
        return "Pfad nicht gefunden";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert";
    case EISDIR:
        return "Die Datei ist ein Verzeichnis";
    case EIO:
        return "Lesefehler auf dem Datenträger"_cp;
    default:
        return "E/A-Fehler " + std::to_string(error);
    }
}

struct ReadResult {
    std::string data;
    int error = 0;
};

ReadResult readWholeFile(std::string_view name) {
    ReadResult result;
    OpenFile file(::open(toNativePath(name).c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        result.error = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        result.error = errno;
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.error = EISDIR;
        return result;
    }
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer.data(), buffer.size());
        if (count == 0)
            return result;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            result.error = errno;
            result.data.clear();
            return result;
        }
        result.data.append(buffer.data(), static_cast<std::size_t>(count));
    }
}

} // namespace

void THTMLStream::terminate() {
    if (bytes_.empty() || bytes_.back() != '\r')
        bytes_.push_back('\r');
    bytes_.push_back('\0');
}

PageFileKind pageFileKind(std::string_view name) {
    const std::string ext = extractFileExt(name);
    if (ext == ".htx" || ext == ".hqor" || ext == ".rqol" || ext == ".rqo")
        return PageFileKind::Packed;
    if (ext == ".qor")
        return PageFileKind::Exercise;
    return PageFileKind::Plain;
}

std::optional<std::string> readPageFile(std::string_view name) {
    ReadResult file = readWholeFile(name);
    if (file.error != 0) {
        ShowPageError("Die Datei \"" + std::string(name) + "\" konnte nicht gelesen werden (" +
                      describeError(file.error) + ").");
        return std::nullopt;
    }
    const auto tooLarge = [name] {
        ShowPageError("Die Datei \"" + std::string(name) +
                      "\" ist zu groß für eine Seite (mehr als 4 MB Text)."_cp);
        return std::nullopt;
    };
    if (pageFileKind(name) != PageFileKind::Packed) {
        if (file.data.size() > MaxPageText)
            return tooLarge();
        return std::move(file.data);
    }

    // A damaged stream is not shown in part: the page would be cut off
    // somewhere without anybody noticing.
    InflateResult unpacked = inflateZlib(file.data, MaxPageText);
    if (!unpacked.ok && unpacked.data.size() >= MaxPageText)
        return tooLarge();
    if (!unpacked.ok) {
        ShowPageError("Die Datei \"" + std::string(name) +
                      "\" ist beschädigt und konnte nicht entpackt werden."_cp);
        return std::nullopt;
    }
    return std::move(unpacked.data);
}

bool ReadPage(std::string_view name, THTMLStream& stream) {
    std::optional<std::string> text = readPageFile(name);
    if (!text)
        return false;
    stream.clear();
    stream.append(*text);
    stream.terminate();
    return true;
}

} // namespace qor
