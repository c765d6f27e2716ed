#pragma once
// DD, the presentation that types the library's words letter by letter onto
// background pages of the main window: word, then meaning at the same
// place, spoken where recordings exist, over the music; the background page
// changes now and then. It ends with the command "stop" (a link of the
// background pages), Escape or a click, and says so; the owner frees it.

#include "sound/WordRecordings.h"
#include "superlearning/SeventiesRules.h"

#include <QElapsedTimer>
#include <QFont>
#include <QTimer>
#include <QWidget>

namespace qor {

class TBibliothek;
class TSuperOptions;
class TVocEinstellungen;
class TXPage;
class TXWaveBase;

struct SeventiesSources {
    TSuperOptions& options;
    const TBibliothek& library;
    const TVocEinstellungen& order;
    const TXWaveBase& sounds;
    TXPage& page;
    std::string pageFolder; // "hqor/" with "SuperDD/" below it
};

class TSeventies : public QWidget {
    Q_OBJECT

public:
    static constexpr int TickMs = 50;
    static constexpr int LargestSize = 32;

    explicit TSeventies(SeventiesSources sources, RandomSource random = Random);
    ~TSeventies() override;

    // Music, the first background page, then a tick every 50 ms.
    void Run();
    void Stop();
    const std::string& ShownPage() const { return lastPage_; }

signals:
    void Finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tick();
    void beginText();
    void beginPair();
    void typeNextPiece();
    void loadBackground();
    void fitFont(const std::string& word, const std::string& meaning);

    SeventiesSources sources_;
    RandomSource random_;
    std::string savedFolder_;
    std::string lastPage_;
    QTimer clock_;
    QElapsedTimer time_;
    qint64 lastText_ = -1;
    qint64 lastLetter_ = 0;
    qint64 lastBackground_ = 0;
    QFont font_;
    QColor colour_;
    std::string text_;
    WordSound recording_;
    std::string pendingMeaning_;
    WordSound pendingRecording_;
    std::size_t typed_ = 0;
    int x_ = 0;
    int y_ = 0;
    bool stopping_ = false;
};

} // namespace qor
