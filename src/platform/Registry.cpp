#include "platform/Registry.h"

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/PersonalFolders.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>

namespace qor {

namespace {

constexpr std::string_view kDwordPrefix = "dword:";

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

// Reads a quoted text at the start of line and removes it from line.
std::optional<std::string> takeQuoted(std::string_view& line) {
    if (line.empty() || line.front() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            line.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            out.push_back(next == 'n' ? '\n' : next == 'r' ? '\r' : next);
        } else {
            out.push_back(c);
        }
    }
    return std::nullopt; // no closing quote
}

std::optional<std::int32_t> parseDword(std::string_view text) {
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string hex8(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = kDigits[value & 0x0F];
    return out;
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

bool Registry::NoCase::operator()(const std::string& a, const std::string& b) const {
    return compareIgnoreCase(a, b) < 0;
}

// A key also exists when only keys below it hold values, as in the registry.
bool Registry::keyExists(std::string_view key) const {
    if (key.empty())
        return false;
    if (keys_.count(std::string(key)))
        return true;
    const std::string prefix = std::string(key) + "\\";
    return std::any_of(keys_.begin(), keys_.end(), [&prefix](const auto& entry) {
        return entry.first.size() > prefix.size() &&
               equalsIgnoreCase(std::string_view(entry.first).substr(0, prefix.size()), prefix);
    });
}

bool Registry::valueExists(std::string_view key, std::string_view name) const {
    return find(key, name) != nullptr;
}

std::optional<std::string> Registry::readString(std::string_view key, std::string_view name) const {
    const Value* value = find(key, name);
    if (!value || value->type != Type::String)
        return std::nullopt;
    return value->text;
}

std::optional<std::int32_t> Registry::readInteger(std::string_view key,
                                                  std::string_view name) const {
    const Value* value = find(key, name);
    if (!value || value->type != Type::Integer)
        return std::nullopt;
    std::int32_t number = 0;
    const auto [end, error] =
        std::from_chars(value->text.data(), value->text.data() + value->text.size(), number);
    if (error != std::errc())
        return std::nullopt;
    return number;
}

std::optional<bool> Registry::readBool(std::string_view key, std::string_view name) const {
    const auto number = readInteger(key, name);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

bool Registry::writeString(std::string_view key, std::string_view name, std::string_view value) {
    return store(key, name, {Type::String, std::string(value)});
}

bool Registry::writeInteger(std::string_view key, std::string_view name, std::int32_t value) {
    return store(key, name, {Type::Integer, std::to_string(value)});
}

bool Registry::writeBool(std::string_view key, std::string_view name, bool value) {
    return writeInteger(key, name, value ? 1 : 0);
}

bool Registry::createKey(std::string_view key) {
    const std::string name(key);
    if (name.empty())
        return false;
    if (keys_.count(name))
        return true;
    keys_.emplace(name, Values());
    if (commit())
        return true;
    keys_.erase(name);
    return false;
}

bool Registry::deleteValue(std::string_view key, std::string_view name) {
    const auto keyIt = keys_.find(std::string(key));
    if (keyIt == keys_.end())
        return false;
    const auto valueIt = keyIt->second.find(std::string(name));
    if (valueIt == keyIt->second.end())
        return false;
    const auto removed = *valueIt;
    keyIt->second.erase(valueIt);
    if (commit())
        return true;
    keyIt->second.insert(removed);
    return false;
}

const Registry::Value* Registry::find(std::string_view key, std::string_view name) const {
    const auto keyIt = keys_.find(std::string(key));
    if (keyIt == keys_.end())
        return nullptr;
    const auto valueIt = keyIt->second.find(std::string(name));
    return valueIt == keyIt->second.end() ? nullptr : &valueIt->second;
}

bool Registry::store(std::string_view key, std::string_view name, Value value) {
    if (key.empty())
        return false;
    const Keys before = keys_;
    // Names compare without case, so existing keys and values keep their spelling.
    keys_[std::string(key)][std::string(name)] = std::move(value);
    if (commit())
        return true;
    keys_ = before;
    return false;
}

std::string Registry::toText() const {
    std::string text;
    for (const auto& [key, values] : keys_) {
        if (!text.empty())
            text += "\n";
        text += "[" + key + "]\n";
        for (const auto& [name, value] : values) {
            text += quoted(name) + "=";
            if (value.type == Type::String) {
                text += quoted(value.text);
            } else {
                std::int32_t number = 0;
                std::from_chars(value.text.data(), value.text.data() + value.text.size(), number);
                text += std::string(kDwordPrefix) + hex8(static_cast<std::uint32_t>(number));
            }
            text += "\n";
        }
    }
    return cp1252ToUtf8(text);
}

Registry::Keys Registry::parseText(std::string_view utf8, int* skippedLines) {
    Keys keys;
    int skipped = 0;
    const std::string text = utf8ToCp1252(utf8);
    Values* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line = trim(std::string_view(text).substr(start, end - start));
        start = end + 1;

        if (line.empty())
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string key(line.substr(1, line.size() - 2));
            current = key.empty() ? nullptr : &keys[key];
            skipped += key.empty() ? 1 : 0;
            continue;
        }
        ++skipped; // taken back below when the line holds a value
        auto name = takeQuoted(line);
        line = trim(line);
        if (!current || !name || line.empty() || line.front() != '=')
            continue;
        line = trim(line.substr(1));
        if (auto string = takeQuoted(line)) {
            if (trim(line).empty()) {
                (*current)[*name] = {Type::String, std::move(*string)};
                --skipped;
            }
        } else if (line.substr(0, kDwordPrefix.size()) == kDwordPrefix) {
            if (const auto number = parseDword(trim(line.substr(kDwordPrefix.size())))) {
                (*current)[*name] = {Type::Integer, std::to_string(*number)};
                --skipped;
            }
        }
    }
    if (skippedLines)
        *skippedLines = skipped;
    return keys;
}

MemoryRegistry MemoryRegistry::parse(std::string_view text) {
    MemoryRegistry registry;
    registry.keys_ = parseText(text);
    return registry;
}

FileRegistry::FileRegistry(std::string path) : path_(std::move(path)) {
    load();
}

std::string FileRegistry::defaultDirectory() {
    return PersonalConfigDirectory();
}

bool FileRegistry::commit() {
    const std::string dir = extractFileDir(path_);
    const bool written =
        (dir.empty() || directoryExists(dir) || createDirectories(dir)) &&
        writeKeepingOld(path_, toText(), keepDamagedOriginal_, NewFileAccess::OwnerOnly);
    if (written) {
        keepDamagedOriginal_ = false;
        failureReported_ = false;
        return true;
    }
    // An unreadable file was reported when it was loaded.
    if (!failureReported_ && !isUnreadableFile(path_)) {
        failureReported_ = true;
        AppMessage("Die Einstellungen konnten nicht in "_cp + path_ +
                   " gespeichert werden.\rIst der Datenträger voll oder schreibgeschützt?\r"
                   "Geänderte Einstellungen werden nicht übernommen."_cp);
    }
    return false;
}

void FileRegistry::load() {
    removeStaleTemporaries(extractFileDir(path_));
    if (const auto text = readFile(path_)) {
        int skippedLines = 0;
        keys_ = parseText(*text, &skippedLines);
        keepDamagedOriginal_ = skippedLines > 0;
        if (keepDamagedOriginal_)
            AppMessage("Die Einstellungen in "_cp + path_ + " sind zum Teil beschädigt; "_cp +
                       (skippedLines == 1 ? std::string("eine Zeile wird")
                                          : std::to_string(skippedLines) + " Zeilen werden") +
                       " übergangen.\rDie ganze Datei wird vor dem nächsten Speichern als "_cp +
                       path_ + ".bak aufbewahrt.");
        return;
    }
    // The run goes on with the defaults; the file is left as it is (nothing
    // is written over a file that could not be read).
    if (isUnreadableFile(path_))
        AppMessage("Die Einstellungen in "_cp + path_ +
                   " konnten nicht gelesen werden.\rDas Programm startet mit den "
                   "Voreinstellungen und speichert keine Einstellungen, damit die Datei "
                   "erhalten bleibt."_cp);
}

} // namespace qor
