#pragma once
// The navigation bar at the foot of the vocabulary editor: back to the start
// page, to the training settings, or straight into a training of the
// library. Hidden when the editor runs on its own.

#include <QWidget>
#include <array>

class QPushButton;

namespace qor {

class TFrNavigation : public QWidget {
    Q_OBJECT
public:
    explicit TFrNavigation(QWidget* parent = nullptr);

    QPushButton* bHome = nullptr;
    QPushButton* bEinstellungen = nullptr;
    QPushButton* bAbfragen = nullptr;
    // Superlearning: "klassisch", "abgedreht ", "techno", "super dd ".
    std::array<QPushButton*, 4> bSuper{};
};

} // namespace qor
