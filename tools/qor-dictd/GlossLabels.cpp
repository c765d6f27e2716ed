#include "qor-dictd/GlossLabels.h"

#include "qor-dictd/ArticleText.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

namespace qor::dictd {

namespace {

// Longer labels cannot be a list of a few words.
constexpr std::size_t kMaxLabelsLength = 60;

std::optional<std::string> registerLabel(std::string_view word) {
    static const std::vector<std::pair<std::string_view, std::string_view>> kShort = {
        {"umgangssprachlich", "ugs."},
        {"übertragen", "fig."},
        {"figurativ", "fig."},
        {"gehoben", "geh."},
        {"abwertend", "abwertend"},
        {"veraltet", "veraltet"},
        {"veraltend", "veraltend"},
        {"salopp", "salopp"},
        {"vulgär", "vulg."},
        {"derb", "derb"},
        {"scherzhaft", "scherzh."},
        {"bildungssprachlich", "bildungsspr."},
        {"fachsprachlich", "fachspr."},
        {"regional", "regional"},
        {"landschaftlich", "landsch."},
        {"österreichisch", "österr."},
        {"schweizerisch", "schweiz."},
        {"süddeutsch", "südd."},
        {"norddeutsch", "nordd."},
    };
    for (const auto& [name, label] : kShort) {
        if (word == name)
            return std::string(label);
    }
    return std::nullopt;
}

// One capitalised word such as "Medizin" or "Elektro-Technik" names a subject.
bool isSubject(std::string_view word) {
    const bool capital = (word.front() >= 'A' && word.front() <= 'Z') || word.starts_with("Ä") ||
                         word.starts_with("Ö") || word.starts_with("Ü");
    return capital && std::ranges::none_of(word, [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x80 && !std::isalpha(byte) && c != '-';
           });
}

} // namespace

std::vector<std::string> glossLabels(std::string_view line) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos || colon > kMaxLabelsLength)
        return {};
    std::vector<std::string> labels;
    for (const std::string_view part : splitOutsideBrackets(line.substr(0, colon), ",")) {
        const std::string word = tidyBlanks(part);
        if (word.empty())
            return {};
        if (std::optional<std::string> label = registerLabel(word))
            labels.push_back(std::move(*label));
        else if (isSubject(word))
            labels.push_back(word);
        else
            return {};
    }
    return labels;
}

} // namespace qor::dictd
