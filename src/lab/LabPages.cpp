#include "core/CommandPage.h"
#include "core/Configuration.h"
#include "lab/ThemenListe.h"
#include "platform/FileSystem.h"
#include "sound/WordSpeech.h"

#include <cstdio>

namespace qor {

namespace {

constexpr std::string_view SoundDirAlias = "XS:\\";

} // namespace

std::string NormalSpeedReference(std::string reference) {
    // "...21a.wav": the fifth character from the end.
    if (reference.size() > 4 && reference[reference.size() - 5] == 'a')
        reference[reference.size() - 5] = 'b';
    return reference;
}

std::string TThemenListe::ResolveRecording(const std::string& reference) const {
    if (config_.WaveDir.empty() || reference.size() < SoundDirAlias.size())
        return {};
    const std::string file =
        config_.WaveDir + normalizeSeparators(std::string_view(reference).substr(4));
    return fileExists(file) ? file : std::string();
}

void TThemenListe::ShowSentence(CommandPage& page) const {
    page.setPageCondition("diktat", diktat_);
    page.setPageCondition("deutsch", deutsch_);
    page.setPageCondition("autoread", automatik_);
    const TSatz none;
    const TSatz& satz = currentSentence() ? *currentSentence() : none;
    page.setPageDefine("Thema", thema_ < static_cast<int>(themen_.size())
                                    ? themen_[static_cast<std::size_t>(thema_)].Name
                                    : std::string());

    // Without its recording the sentence is spoken, if the user wants that.
    const bool speaks = config_.Extras.Speech && !satz.Spanisch.empty();
    std::string normal = ResolveRecording(NormalSpeedReference(satz.Aufnahme));
    if (normal.empty() && speaks)
        normal = "\xA7labsprich";
    page.setPageCondition("normal", !normal.empty());
    page.setPageDefine("Normal", normal);
    std::string langsam = ResolveRecording(satz.Aufnahme);
    if (langsam.empty() && speaks)
        langsam = "\xA7labsprichlangsam";
    page.setPageCondition("langsam", !langsam.empty());
    page.setPageDefine("Langsam", langsam);

    page.setPageDefine("LabSatz", satz.Spanisch);
    page.setPageDefine("LabDeutsch", satz.Deutsch);
    if (diktat_) {
        page.setPageDefine("lsg", satz.Variante.empty() ? satz.Spanisch
                                                        : satz.Spanisch + "; " + satz.Variante);
        page.setPageDefine("help", satz.Hilfe);
    }
}

void TThemenListe::SpeakSentence(bool slow) const {
    if (const TSatz* satz = currentSentence(); satz && !satz->Spanisch.empty())
        SpeakQuiet(satz->Spanisch, slow ? SpeechRate::Slow : SpeechRate::Normal);
}

void TThemenListe::ShowTopicList(CommandPage& page) const {
    std::string list;
    for (std::size_t i = 0; i < themen_.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", static_cast<int>(i));
        list +=
            "<a href=\"\xA7thema" + std::string(number) + ";lab\" >" + themen_[i].Name + "</a><br>";
    }
    page.setPageDefine("LabListe", list);
    page.loadPage("laborliste.htx");
    page.setPageDefine("LabListe", "");
}

} // namespace qor
