#pragma once
// The dictionary window: search, browse and edit both directions of the
// dictionary. It is made hidden at the start, shown by the page command "wb"
// and only hidden when closed; it observes the dictionary for the whole
// run, and its end saves the dictionary (asking first) and remembers the
// files it was saved to.

#include "sound/MciSenders.h"

#include <QWidget>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QToolButton;

namespace qor {

class Configuration;
class TXDatabase;
class TXWaveBase;

class TXWb : public QWidget {
    Q_OBJECT
public:
    using MciSender = std::function<std::string(const std::string&, bool)>;
    static constexpr int FixedHeight = 311;
    static constexpr int MinimumWidth = 600;
    static constexpr int MaximumWidth = 1024;

    // The window observes dictionary until it is destroyed; the sound
    // database may be null (then nothing can be played).
    TXWb(TXDatabase& dictionary, Configuration& config, const TXWaveBase* waveBase,
         QWidget* parent = nullptr, MciSender sendMci = SendMci);
    // Saves the dictionary (asking first) and remembers where it went.
    ~TXWb() override;
    TXWb(const TXWb&) = delete;
    TXWb& operator=(const TXWb&) = delete;

    // Told after every refresh while another window shows the dictionary's
    // current entry too (the vocabulary editor's dictionary panel).
    std::function<void()> OnDictionaryShown;

    // The dictionary's change notification: shows the current entry.
    void DBChanged();
    void DisplaySearchResults();

    // The modes of the left side.
    void goSuchen();
    void goBearbeiten();
    void xBlaetternClick();

    // The controls, named as the window has always named them.
    QLineEdit* Suchen = nullptr;
    QPushButton* SuchButton = nullptr;
    QRadioButton* SpracheSpanisch = nullptr;
    QRadioButton* SpracheDeutsch = nullptr;
    QCheckBox* GanzeWoerter = nullptr;
    QLineEdit* DBVokabel = nullptr;
    QComboBox* DBWortart = nullptr;
    QPlainTextEdit* DBBedeutung = nullptr;
    QToolButton* dFirst = nullptr;
    QToolButton* dPrevious = nullptr;
    QToolButton* dDirection = nullptr;
    QToolButton* dNext = nullptr;
    QToolButton* dLast = nullptr;
    QToolButton* dAdd = nullptr;
    QToolButton* dDelete = nullptr;
    QToolButton* bPlay = nullptr;
    QLineEdit* Stichwort = nullptr;
    QLabel* Ergebnis = nullptr;
    QTableWidget* Grid = nullptr;
    QPushButton* xSuchen = nullptr;
    QPushButton* xBearbeiten = nullptr;
    QPushButton* xBlaettern = nullptr;
    QPushButton* Direction = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // XWb.cpp
    void createControls();
    QWidget* createSearchArea();
    QWidget* createEditArea();
    QWidget* createBrowseArea();
    QWidget* createResultArea();
    QWidget* createModeBar();
    void connectControls();
    void showMode(QWidget* area, QPushButton* modeButton);
    // Only the two text columns follow the window's width.
    void resizeGridColumns();
    void saveAtEnd();

    // XWbMenu.cpp
    void createMenu();
    void addSpecialCharacters(QMenu* menu);
    void Sonderzeichen(const QString& text);
    void mDeleteAllClick();

    // XWbActions.cpp
    void SuchButtonClick();
    void StichwortChange();
    void GridSelectCell(int row);
    void GridDblClick(int row);
    void DBVokabelChange();
    void DBBedeutungChange();
    void DBWortartChange();
    void DBBedeutungDblClick();
    void bPlayClick();
    void dAddClick();
    void dDeleteClick();
    void DirectionClick();
    void moveIfComplete(void (TXDatabase::*step)());
    void lookUpRecording();
    void fillGridRow(int row, int result);

    TXDatabase& dictionary_;
    Configuration& config_;
    const TXWaveBase* waveBase_;
    MciSender sendMci_;
    QStackedWidget* areas_ = nullptr;
    QWidget* searchArea_ = nullptr;
    QWidget* editArea_ = nullptr;
    QWidget* browseArea_ = nullptr;
    QWidget* resultArea_ = nullptr;
    // The recording of the shown headword and how it was found.
    std::string recordingPath_;
    int recordingStatus_ = 0;
    bool filling_ = false;
    bool refreshing_ = false;
};

} // namespace qor
