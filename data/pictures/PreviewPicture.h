#pragma once
// The settings dialog's preview of the Techno presentation: one of its
// pictures in miniature with a word over it in large white letters, as the
// presentation shows its words.

#include <QImage>
#include <QSize>
#include <QString>

namespace qor::pictures {

QImage previewPicture(const QImage& picture, const QString& word, QSize size);

} // namespace qor::pictures
