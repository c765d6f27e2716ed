#include "shell/BingoPlayer.h"

#include "shell/Program.h"

namespace qor {

const TVocAufgabe* BingoPlayer::DrawTask() {
    return program_.training ? program_.training->DrawRandomTask() : nullptr;
}

int BingoPlayer::RangeSpan() const {
    return program_.settings ? program_.settings->Bis - program_.settings->Von : 0;
}

// A library that was not mixed stays as it is.
void BingoPlayer::NewMix() {
    TBibliothek& library = *program_.library;
    if (library.Zufallsordner().empty() || !program_.settings)
        return;
    library.LoadRandomMix(library.Zufallsordner());
    program_.settings->Von = 0;
    program_.settings->Bis = library.Count(false) - 1;
}

void BingoPlayer::Record(const TVokabel& entry, int value) {
    TXUserBase* users = program_.userBase.get();
    if (users && users->IsLoggedIn())
        users->RecordAnswer(entry.Vokabel, entry.Deutsch, 'v', value, entry.Wortart);
}

void BingoPlayer::StartMusic() {
    options_.StartMusic();
}

void BingoPlayer::CheckMusic() {
    options_.CheckMusic();
}

void BingoPlayer::StopMusic() {
    options_.StopMusic();
}

} // namespace qor
