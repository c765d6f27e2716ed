// Recording a spoken version of an entry: record, listen, and save it as a
// wave file that the sound database then registers for the entry's word.

#include "editor/window/EditorRules.h"
#include "editor/window/FrListe.h"
#include "editor/window/VocEditor.h"
#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "sound/Recorder.h"
#include "sound/WaveBase.h"
#include "sound/WaveDB.h"

#include <QToolButton>
#include <cstdlib>

namespace qor {

namespace {

constexpr int RecordingPoll = 100; // ms
constexpr int PlayingPoll = 25;
constexpr int LongestRecording = 9999; // ms

} // namespace

void TVocEditor::AufnahmeClick(bool on) {
    FrListe->bAbspielen->setEnabled(!on);
    FrListe->bAufnahmeSpeichern->setEnabled(!on);
    if (on) {
        recorder_->StartRecording();
        recordingTimer_.start(RecordingPoll);
    } else {
        recorder_->Stop();
    }
}

void TVocEditor::AbspielenClick(bool on) {
    FrListe->bAufnahme->setEnabled(!on);
    FrListe->bAufnahmeSpeichern->setEnabled(!on);
    if (on) {
        recorder_->StartPlaying();
        recordingTimer_.start(PlayingPoll);
    } else {
        recorder_->Stop();
    }
}

// Follows the device: a recording ends after ten seconds, and the buttons
// come back once the device has stopped. A device that answers with an error
// (none there) ends the following, and the buttons come back too.
void TVocEditor::RecordingTimer() {
    const std::string position = recorder_->StatusPosition();
    if (position.starts_with("Error")) {
        recordingTimer_.stop();
        resetRecordingButtons();
        return;
    }
    if (std::atoi(position.c_str()) > LongestRecording)
        recorder_->Stop();
    const std::string mode = recorder_->StatusMode();
    if (mode.starts_with("stop") || mode.starts_with("been")) {
        recordingTimer_.stop();
        resetRecordingButtons();
    }
}

void TVocEditor::resetRecordingButtons() {
    for (QToolButton* button :
         {FrListe->bAufnahme, FrListe->bAbspielen, FrListe->bAufnahmeSpeichern}) {
        button->setChecked(false);
        button->setEnabled(true);
    }
}

// The new file replaces an existing one only once it is written whole, so a
// failed save keeps the old recording.
void TVocEditor::AufnahmeSpeichern() {
    FileDialogRequest request;
    request.directory = config_.OwnWaveDir;
    request.filter = "Audiodateien (*.wav)";
    const std::optional<std::string> chosen = askSaveFileName(request);
    if (!chosen)
        return;
    const std::string path = WaveFileName(*chosen);
    if (!recorder_->Save(path)) {
        AppMessage("Sprachaufnahme konnte nicht gespeichert werden..");
        return;
    }
    if (!waveBase_)
        return;
    waveBase_->InsertNew();
    waveBase_->SetText(library_.Vokabel(-1));
    waveBase_->SetDatei(OwnRecordingReference(path, config_.OwnWaveDir));
    TWaveDB(*waveBase_, config_, this).exec();
}

} // namespace qor
