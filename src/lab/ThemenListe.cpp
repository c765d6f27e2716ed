#include "lab/ThemenListe.h"

#include "page/model/ZipResource.h"
#include "platform/Registry.h"

#include <algorithm>

namespace qor {

namespace {

// The phrase data among the program's resources.
constexpr int PhraseResource = 1;

std::vector<TThema> builtInPhrases() {
    TZIPResource data(PhraseResource);
    return ReadPhraseData(data);
}

} // namespace

TThemenListe::TThemenListe(const Configuration& config, Registry& registry, RandomSource random)
    : config_(config), registry_(registry), random_(std::move(random)), themen_(builtInPhrases()) {
    loadSettings();
    NextSentence();
}

TThemenListe::TThemenListe(TZIPResource& data, const Configuration& config, Registry& registry,
                           RandomSource random)
    : config_(config), registry_(registry), random_(std::move(random)),
      themen_(ReadPhraseData(data)) {
    loadSettings();
    NextSentence();
}

TThemenListe::~TThemenListe() {
    saveSettings();
}

// All four values or none: one that is missing gives every one its default.
void TThemenListe::loadSettings() {
    const std::optional<std::int32_t> thema = registry_.readInteger(RegistryKey, "Thema");
    const std::optional<bool> diktat = registry_.readBool(RegistryKey, "Diktat");
    const std::optional<bool> deutsch = registry_.readBool(RegistryKey, "Deutsch");
    const std::optional<bool> automatik = registry_.readBool(RegistryKey, "Automatik");
    if (!thema || !diktat || !deutsch || !automatik)
        return;
    // A topic the phrase data does not have starts the lab at the first.
    thema_ = *thema >= 0 && *thema < static_cast<int>(themen_.size()) ? *thema : 0;
    diktat_ = *diktat;
    deutsch_ = *deutsch;
    automatik_ = *automatik;
}

void TThemenListe::saveSettings() const {
    registry_.createKey(RegistryKey);
    registry_.writeInteger(RegistryKey, "Thema", thema_);
    registry_.writeBool(RegistryKey, "Diktat", diktat_);
    registry_.writeBool(RegistryKey, "Deutsch", deutsch_);
    registry_.writeBool(RegistryKey, "Automatik", automatik_);
}

void TThemenListe::ChooseTopic(int thema) {
    if (thema == thema_ || thema < 0 || thema >= static_cast<int>(themen_.size()))
        return;
    thema_ = thema;
    recent_.clear();
    NextSentence();
}

void TThemenListe::NextSentence() {
    if (thema_ >= static_cast<int>(themen_.size()) ||
        themen_[static_cast<std::size_t>(thema_)].Saetze.empty()) {
        satz_ = -1;
        return;
    }
    const int count = static_cast<int>(themen_[static_cast<std::size_t>(thema_)].Saetze.size());
    int satz = 0;
    do
        satz = randomBelow(random_, count);
    while (std::find(recent_.begin(), recent_.end(), satz) != recent_.end());
    recent_.push_back(satz);
    if (recent_.size() >= std::min<std::size_t>(RecentRoom, static_cast<std::size_t>(count)))
        recent_.pop_front();
    satz_ = satz;
}

const TSatz* TThemenListe::currentSentence() const {
    if (satz_ < 0)
        return nullptr;
    return &themen_[static_cast<std::size_t>(thema_)].Saetze[static_cast<std::size_t>(satz_)];
}

} // namespace qor
