#pragma once
// The bingo game in the main window: TBingo lays itself over the page
// "start.htx" and draws the game's two areas and its status line; the
// page's own links (its "stop") stay within reach between them. A click on
// the game or the space key answers, Escape ends the game; when it is over
// it says so, and the owner shows the page the game names.

#include "superlearning/BingoGame.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace qor {

class TBingo : public QWidget {
    Q_OBJECT

public:
    // The areas of the page the game draws on.
    static const QRect UpperArea;
    static const QRect LowerArea;

    TBingo(BingoHost& host, TBingoList phrases, int vegasFaktor, QWidget* page,
           RandomSource random = Random);
    ~TBingo() override;

    void Run();
    void Click() { game_->Click(); }
    void Stop() { game_->Stop(); }
    const BingoGame& Game() const { return *game_; }

signals:
    void Finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void frame();
    void drawText(QPainter& painter, const QRect& area, const std::string& text, bool swatch);
    void drawStatus(QPainter& painter);

    QStringList fonts_;
    std::unique_ptr<BingoGame> game_;
    QTimer clock_;
    QElapsedTimer time_;
};

// The installed fonts among those the game likes, in its order.
QStringList BingoFonts();

} // namespace qor
