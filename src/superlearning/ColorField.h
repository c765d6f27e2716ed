#pragma once
// A button that shows a colour; clicking it opens the colour dialog to
// choose another.

#include <QColor>
#include <QPushButton>
#include <functional>

namespace qor {

class ColorField : public QPushButton {
public:
    ColorField(const char* name, const QString& title, QWidget* parent);

    QColor color() const { return color_; }
    // Shows a colour; OnChange is not raised.
    void setColor(const QColor& color);

    // The user chose another colour.
    std::function<void()> OnChange;

private:
    void choose();

    QString title_;
    QColor color_;
};

} // namespace qor
