#pragma once
// The entry frame of the vocabulary editor: every field of the current
// library entry - word, direction, difficulty, word class, meanings, the two
// contexts with their tips - and at its foot the dictionary panel, which
// shows and edits the dictionary's current entry. Fields write through at
// once: every change goes into the current entry (or the dictionary's).

#include "sound/MciSenders.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class QVBoxLayout;

namespace qor {

class TBibliothek;
class TXDatabase;
class TXWaveBase;

class TVokabelFrame : public QWidget {
    Q_OBJECT
public:
    using MciSender = std::function<std::string(const std::string&, bool)>;

    // The sound database may be null: then no recording is offered.
    TVokabelFrame(TBibliothek& library, TXDatabase& dictionary, const TXWaveBase* waveBase,
                  QWidget* parent = nullptr, MciSender sendMci = SendMci);

    // Shows the current entry in every field; the direction marks follow
    // its direction. Tells OnWordChanged or OnLookUpFieldChanged when the
    // word, the class or the direction now differ from what was shown.
    void Zeigen();
    // Shows the dictionary's current entry in the panel.
    void ShowDictionaryEntry();
    // Shows bPlay when the sound database knows a recording of the word
    // (never while the dictionary runs German-Spanish).
    void ShowRecording();
    void setSecondContextShown(bool shown);
    // The frame's font: the word a little larger and bold, the memos as
    // high as two lines.
    void fitFont(const QFont& font);
    // The German mark stands above the Spanish one: the word is German.
    bool GermanAbove() const { return germanAbove_; }

    // Commands put their results into the fields, so that the entry follows.
    void setWord(const std::string& word);
    void setMeanings(const std::string& first, const std::string& further);
    void setWordClass(int wordClass);
    void setContexts(const std::string& first, const std::string& second);

    // What the fields hold (program text).
    std::string word() const;
    std::string firstMeaning() const;
    std::string furtherMeanings() const;
    std::string context(int k) const;
    int wordClass() const;

    // The word changed (typed, or another entry shown).
    std::function<void()> OnWordChanged;
    // The word class or the direction changed.
    std::function<void()> OnLookUpFieldChanged;

    // The fields of the entry and of the dictionary, for colours and keys.
    std::vector<QWidget*> EntryFields() const;
    std::vector<QWidget*> DictionaryFields() const;

    // The controls, named as the frame has always named them.
    QLineEdit* eVokabel = nullptr;
    QToolButton* iFremd = nullptr;
    QToolButton* iDeutsch = nullptr;
    QToolButton* bPlay = nullptr;
    QComboBox* Schwierigkeit = nullptr;
    QComboBox* EWortart = nullptr;
    QLineEdit* eBedeutung0 = nullptr;
    QPlainTextEdit* eBedeutung1 = nullptr;
    QLabel* lKontext1 = nullptr;
    QPlainTextEdit* eKontext0 = nullptr;
    QCheckBox* Ktx_dazu1 = nullptr;
    QLabel* lKontext2 = nullptr;
    QPlainTextEdit* eKontext1 = nullptr;
    QCheckBox* Ktx_dazu2 = nullptr;
    QFrame* WP = nullptr;
    QLineEdit* DBVokabel = nullptr;
    QComboBox* DBWortart = nullptr;
    QPlainTextEdit* DBBedeutung = nullptr;
    QToolButton* dFirst = nullptr;
    QToolButton* dPrevious = nullptr;
    QToolButton* Direction = nullptr;
    QToolButton* dNext = nullptr;
    QToolButton* dLast = nullptr;
    QToolButton* dDelete = nullptr;
    QToolButton* dAdd = nullptr;

    // Clicking either mark exchanges them and changes the entry's direction.
    void DirectionMarkClick();
    void bPlayClick();
    bool speaksWord() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // VokabelFrame.cpp
    QWidget* createWordRow();
    QWidget* createEntryGrid();
    void connectEntryFields();
    void placeMarks(bool germanAbove);
    void writeMemo(QPlainTextEdit* memo, const std::function<void(const std::string&)>& store);
    void playRecordingAt(QWidget* field);

    // VokabelFramePanel.cpp
    QFrame* createDictionaryPanel();
    void connectDictionaryPanel();
    void moveIfComplete(void (TXDatabase::*step)());
    void dAddClick();
    void dDeleteClick();
    void DirectionClick();

    TBibliothek& library_;
    TXDatabase& dictionary_;
    const TXWaveBase* waveBase_;
    MciSender sendMci_;
    QVBoxLayout* marks_ = nullptr;
    bool germanAbove_ = false;
    bool showing_ = false;      // the fields are filled from the entry
    bool showingPanel_ = false; // the panel is filled from the dictionary
    bool longDirectionName_ = false;
    std::string recordingPath_;
};

} // namespace qor
