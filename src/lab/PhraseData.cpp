#include "core/SharedRoutines.h"
#include "lab/ThemenListe.h"
#include "page/model/ZipResource.h"

namespace qor {

namespace {

constexpr std::string_view TopicMark = "****";

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

void storeLine(TSatz& satz, int line, std::string text) {
    switch (line) {
    case 0:
        satz.Spanisch = text.empty() ? "FEHLER!" : std::move(text);
        break;
    case 1:
        satz.Variante = std::move(text);
        break;
    case 2:
        satz.Hilfe = text.empty() || text == " " ? MaskWithDots(satz.Spanisch) : std::move(text);
        break;
    case 3:
        satz.Deutsch = std::move(text);
        break;
    default:
        satz.Aufnahme = std::move(text);
        break;
    }
}

} // namespace

std::vector<TThema> ReadPhraseData(TZIPResource& data) {
    std::vector<TThema> themen;
    int line = 0;
    while (!data.Eof()) {
        std::string text = data.ReadLine();
        if (text.starts_with(TopicMark)) {
            themen.push_back({trimmed(std::string_view(text).substr(TopicMark.size())), {}});
            line = 0;
            continue;
        }
        if (themen.empty())
            continue;
        TSatzListe& saetze = themen.back().Saetze;
        if (line == 0)
            saetze.emplace_back();
        storeLine(saetze.back(), line, std::move(text));
        line = (line + 1) % 5;
    }
    return themen;
}

} // namespace qor
