#include "dictionary/XDatabase.h"
#include "dictionary/XWb.h"
#include "platform/AppMessage.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"
#include "sound/WordRecordings.h"
#include "sound/WordSpeech.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>

namespace qor {
using namespace literals;

namespace {

constexpr const char* ShortClassNames[] = {"Nomen",    "Verb",      "Adjektiv",
                                           "Kl. Wort", "Rw. m. V.", "Rw. o. V."};

QTableWidgetItem* cell(const QString& text) {
    return new QTableWidgetItem(text);
}

} // namespace

void TXWb::SuchButtonClick() {
    dictionary_.Search(fromQString(Suchen->text()),
                       {GanzeWoerter->isChecked(), SpracheDeutsch->isChecked(), false});
    DisplaySearchResults();
}

void TXWb::DisplaySearchResults() {
    const int count = dictionary_.ResultCount();
    Ergebnis->setText(QStringLiteral("%1 Einträge gefunden.").arg(count));
    filling_ = true;
    Grid->clearContents();
    Grid->setRowCount(std::max(count, 1));
    for (int result = 0; result < count; ++result)
        fillGridRow(result, result);
    filling_ = false;
}

void TXWb::fillGridRow(int row, int result) {
    const DictionaryEntry& entry = dictionary_.ResultEntry(result);
    const int wordClass = entry.Wortart >= 1 && entry.Wortart <= 6 ? entry.Wortart : 1;
    Grid->setItem(row, 0, cell(QString::number(result + 1)));
    Grid->setItem(row, 1, cell(toQString(entry.Vokabel)));
    Grid->setItem(row, 2, cell(toQString(entry.Bedeutung)));
    Grid->setItem(row, 3, cell(QString::fromUtf8(ShortClassNames[wordClass - 1])));
}

void TXWb::StichwortChange() {
    dictionary_.GoToWord(fromQString(Stichwort->text()), -1);
    DisplaySearchResults();
    filling_ = true;
    Grid->selectRow(dictionary_.CurrentResult());
    filling_ = false;
}

void TXWb::GridSelectCell(int row) {
    if (filling_ || row < 0 || row >= dictionary_.ResultCount())
        return;
    const DictionaryEntry& entry = dictionary_.ResultEntry(row);
    // Copies: the move below may refill what the entry belongs to.
    const std::string word = entry.Vokabel;
    const std::string meaning = entry.Bedeutung;
    dictionary_.FindWordMeaning(word, meaning);
    if (areas_->currentWidget() != editArea_)
        goBearbeiten();
}

void TXWb::GridDblClick(int row) {
    if (!waveBase_ || row < 0 || row >= dictionary_.ResultCount())
        return;
    const DictionaryEntry& entry = dictionary_.ResultEntry(row);
    // Only the Spanish side has recordings.
    const std::string& spanish = dictionary_.IsGermanSpanish() ? entry.Bedeutung : entry.Vokabel;
    PlayRecordingAt(*waveBase_, spanish, 0, 0, true);
}

void TXWb::DBBedeutungDblClick() {
    if (!waveBase_)
        return;
    const QTextCursor cursor = DBBedeutung->textCursor();
    PlayRecordingAt(*waveBase_, fromQString(DBBedeutung->toPlainText()), cursor.selectionStart(),
                    cursor.selectionEnd() - cursor.selectionStart(), dictionary_.IsGermanSpanish());
}

void TXWb::DBVokabelChange() {
    if (refreshing_)
        return;
    const std::string word = fromQString(DBVokabel->text());
    if (word != dictionary_.GetWord())
        dictionary_.SetWord(word);
    if (isVisible())
        lookUpRecording();
}

void TXWb::DBBedeutungChange() {
    if (refreshing_)
        return;
    const std::string meaning = fromQString(DBBedeutung->toPlainText());
    if (meaning != dictionary_.GetMeaning())
        dictionary_.SetMeaning(meaning);
}

void TXWb::DBWortartChange() {
    if (refreshing_ || DBWortart->currentIndex() < 0)
        return;
    const int wordClass = DBWortart->currentIndex() + 1;
    if (wordClass != dictionary_.GetClass())
        dictionary_.SetClass(wordClass);
}

// Spanish headwords have recordings, or speech; German ones do not.
void TXWb::lookUpRecording() {
    recordingPath_.clear();
    recordingStatus_ = SoundStatus::NotFound;
    bool spoken = false;
    if (waveBase_ && !dictionary_.IsGermanSpanish()) {
        const ResolvedSound sound =
            waveBase_->Resolve(waveBase_->LookUp(dictionary_.GetWord(), false));
        recordingPath_ = sound.path;
        recordingStatus_ = sound.status;
        spoken = waveBase_->SpeaksMissing() && !SpokenText(dictionary_.GetWord()).empty();
    }
    bPlay->setVisible(!recordingPath_.empty() || recordingStatus_ == SoundStatus::MediumMissing ||
                      spoken);
}

void TXWb::bPlayClick() {
    if (recordingStatus_ == SoundStatus::MediumMissing) {
        AppMessage("Bitte legen Sie die qor spanisch CD-ROM ein!"_cp);
        return;
    }
    if (recordingPath_.empty()) {
        SpeakQuiet(SpokenText(dictionary_.GetWord()), SpeechRate::Normal, "wb");
        return;
    }
    sendMci_("close wb", true);
    if (!IsMciError(sendMci_("open \"" + recordingPath_ + "\" alias wb", true)))
        sendMci_("play wb from 0", false);
}

void TXWb::moveIfComplete(void (TXDatabase::*step)()) {
    if (dictionary_.CheckCurrent())
        (dictionary_.*step)();
}

void TXWb::dAddClick() {
    if (dictionary_.CheckCurrent())
        dictionary_.InsertEmpty();
    DBVokabel->setFocus();
}

void TXWb::dDeleteClick() {
    if (AppMessage("Eintrag des Wörterbuchs wirklich löschen?"_cp, MessageStyle::YesNo) !=
        MessageResult::No)
        dictionary_.DeleteCurrent();
}

void TXWb::DirectionClick() {
    dictionary_.SelectDirection(!dictionary_.IsGermanSpanish());
}

} // namespace qor
