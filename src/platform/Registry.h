#pragma once
// The settings store that stands in for the registry: keys are paths such as
// "SOFTWARE\QOR\qor spanisch\Verzeichnisse", each holding named values of type
// integer, string or boolean. Key and value names compare case-insensitively,
// as the registry's do. Reading never creates a key; writing creates it.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class Registry {
public:
    virtual ~Registry() = default;

    bool keyExists(std::string_view key) const;
    bool valueExists(std::string_view key, std::string_view name) const;

    // A missing value, or one of another type, reads as nothing.
    std::optional<std::string> readString(std::string_view key, std::string_view name) const;
    std::optional<std::int32_t> readInteger(std::string_view key, std::string_view name) const;
    std::optional<bool> readBool(std::string_view key, std::string_view name) const;

    // False when the store could not be written.
    bool writeString(std::string_view key, std::string_view name, std::string_view value);
    bool writeInteger(std::string_view key, std::string_view name, std::int32_t value);
    bool writeBool(std::string_view key, std::string_view name, bool value);
    bool createKey(std::string_view key);
    bool deleteValue(std::string_view key, std::string_view name);

    // The whole store in the file format of FileRegistry (UTF-8).
    std::string toText() const;

protected:
    enum class Type { String, Integer };
    struct Value {
        Type type = Type::String;
        std::string text; // the string, or the integer in decimal
    };
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Values = std::map<std::string, Value, NoCase>;
    using Keys = std::map<std::string, Values, NoCase>;

    // Called after every change; a persistent store writes itself out. When
    // it fails, the change is taken back.
    virtual bool commit() { return true; }

    // Reads the file format; lines that cannot be understood are skipped and
    // counted in skippedLines.
    static Keys parseText(std::string_view text, int* skippedLines = nullptr);

    Keys keys_;

private:
    const Value* find(std::string_view key, std::string_view name) const;
    bool store(std::string_view key, std::string_view name, Value value);
};

// Lives in memory only (tests).
class MemoryRegistry : public Registry {
public:
    // A store read from the file format of FileRegistry (for tests and fuzzing).
    static MemoryRegistry parse(std::string_view text);
};

// Kept in a file (registry.ini in the configuration directory, only for its
// owner), written atomically after every change; a missing directory is
// created then. A damaged file reads as far as it is readable; lines it
// cannot understand are ignored, and the whole file is kept as
// "registry.ini.bak" before the first change replaces it. The user hears once
// when the store cannot be written (a full or read-only disk), and again only
// after it could be written in between. Loading removes what saves of killed
// runs left behind. The file is UTF-8 text in the manner of a .reg export:
//   [SOFTWARE\QOR\qor spanisch\Verzeichnisse]
//   "Programm"="/usr/bin/qor-spanisch"
//   "Hintergrund"=dword:00808080
// Names and strings escape '\', '"' and line breaks with a backslash.
class FileRegistry : public Registry {
public:
    explicit FileRegistry(std::string path);
    const std::string& path() const { return path_; }

    // $QOR_CONFIG_DIR, else $XDG_CONFIG_HOME/qor, else ~/.config/qor; with '/'.
    static std::string defaultDirectory();

protected:
    bool commit() override;

private:
    void load();
    std::string path_;
    bool keepDamagedOriginal_ = false;
    bool failureReported_ = false;
};

} // namespace qor
