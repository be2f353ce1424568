#include "butterfly/forms/screenparts.h"

#include "butterfly/flight.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/forms.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"

#include <QtGui/QPainter>

namespace butterfly {

namespace {

constexpr quint32 skyColor = 0xFFFFC0;

} // namespace

QPixmap skyPicture(QSize size)
{
    QPixmap sky(size);
    sky.fill(platform::vbColor(skyColor));
    QPainter painter(&sky);
    painter.drawPixmap(0, 0, platform::picture(QStringLiteral(":/butterfly/background.svg"), size));
    return sky;
}

QPixmap butterflyPicture()
{
    return platform::picture(QStringLiteral(":/butterfly/butterfly.svg"),
                             QSize(platform::twipsToPixels(ButterflyWidth), platform::twipsToPixels(ButterflyHeight)));
}

platform::PictureButton *pictureButton(QWidget *parent, const char *name, const QString &caption,
                                       const QString &picture, QSize pictureSize, quint32 backColor)
{
    auto *button = new platform::PictureButton(caption, platform::picture(picture, pictureSize), parent);
    button->setObjectName(QLatin1String(name));
    button->setBackColor(platform::vbColor(backColor));
    return button;
}

void centreOverGameScreen(platform::Form *window)
{
    auto &forms = platform::Forms::instance();
    QWidget *owner = forms.find(QStringLiteral("frmfangmichLEICHT"));
    if (!owner)
        owner = forms.find(QStringLiteral("frmfangmichSCHWER"));
    if (!owner)
        return;
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(owner->frameGeometry().center());
    window->move(frame.topLeft());
}

} // namespace butterfly
