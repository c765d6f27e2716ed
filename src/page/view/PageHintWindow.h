#pragma once
// The page's own hint window: a small yellow window with the hint of the
// link under the mouse, shown 500 ms after the mouse came to the link and
// hidden again 2000 ms later. Pages whose host shows hints itself
// (OnHintChange) never use it.

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <string>

namespace qor {

class PageHintWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int ShowDelayMs = 500;
    static constexpr int ShowTimeMs = 2000;
    static constexpr int MaxWidth = 120;

    explicit PageHintWindow(QWidget* owner);

    // Shows text at the screen position after the delay, replacing a hint
    // shown or waiting.
    void showLater(const std::string& text, QPoint screenPosition);
    // Hides the window and forgets a hint still waiting.
    void hideHint();

    const std::string& text() const { return text_; }
    bool waiting() const { return showTimer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void appear();
    int textFlags() const;

    std::string text_;
    QPoint position_;
    QTimer showTimer_;
    QTimer hideTimer_;
};

} // namespace qor
