#pragma once

#include <QtCore/QString>
#include <QtGui/QPixmap>

class QWidget;

namespace platform {
class Form;
class PictureButton;
} // namespace platform

// Pieces that the butterfly game's windows share.
namespace butterfly {

// The background every butterfly window flies in front of: the window's
// colour under the drawing of a child with a butterfly net, at size.
QPixmap skyPicture(QSize size);

// The butterfly picture, 645 x 555 twips.
QPixmap butterflyPicture();

// A picture button: the picture (its size in pixels) above
// the caption, on the given background colour (&HBBGGRR).
platform::PictureButton *pictureButton(QWidget *parent, const char *name, const QString &caption,
                                       const QString &picture, QSize pictureSize, quint32 backColor);

// Centres a feedback window over the game screen that is open.
void centreOverGameScreen(platform::Form *window);

} // namespace butterfly
