#include "editor/window/EditorRules.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <algorithm>

namespace qor {

std::string WaveFileName(const std::string& path) {
    return changeFileExt(path, ".wav");
}

std::string OwnRecordingReference(const std::string& path, const std::string& ownWaveDir) {
    if (ownWaveDir.empty() || path.size() < ownWaveDir.size() ||
        !equalsIgnoreCase(std::string_view(path).substr(0, ownWaveDir.size()), ownWaveDir))
        return path;
    return "XU:" + path.substr(ownWaveDir.size() - 1);
}

std::string StripOuterSeparators(std::string_view text) {
    if (text.starts_with("; "))
        text.remove_prefix(2);
    if (text.ends_with("; "))
        text.remove_suffix(2);
    return std::string(text);
}

std::string SingleLine(std::string_view text) {
    std::string line(text);
    std::ranges::replace_if(
        line, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

int ListPanelWidth(int windowWidth, int clientWidth) {
    if (windowWidth <= 800)
        return clientWidth / 2;
    return 400 + (clientWidth - 800) / 3;
}

bool SecondContextShown(int frameHeight) {
    return frameHeight >= 534;
}

} // namespace qor
