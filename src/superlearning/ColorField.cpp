#include "superlearning/ColorField.h"

#include <QColorDialog>

namespace qor {

ColorField::ColorField(const char* name, const QString& title, QWidget* parent)
    : QPushButton(parent), title_(title) {
    setObjectName(QString::fromLatin1(name));
    setToolTip(title);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(48, 22);
    connect(this, &QPushButton::clicked, this, [this] { choose(); });
}

void ColorField::setColor(const QColor& color) {
    color_ = color;
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }")
                      .arg(color.name()));
}

void ColorField::choose() {
    const QColor chosen = QColorDialog::getColor(color_, this, title_);
    if (!chosen.isValid() || chosen == color_)
        return;
    setColor(chosen);
    if (OnChange)
        OnChange();
}

} // namespace qor
