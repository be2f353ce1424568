#include "shell/forms/frmAbout.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "shell/forms/hyperlinks.h"
#include "shell/makers.h"
#include "shell/sysinfo.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace {

// The splash's credits sentence, wrapped to this window; the name links stand
// in the blanks that open its last two lines.
const QString Credits = QStringLiteral("Dieses Programm wurde in einem Unterrichtsprojekt\nvon einer Klasse der\n")
    + QString(24, u' ') + QStringLiteral("in Zusammenarbeit mit dem\n") + QString(22, u' ')
    + QStringLiteral("geschrieben.");

QLabel *label(QWidget *parent, const QString &text, const QFont &font)
{
    QLabel *label = platform::makeLabel(parent, text, font, Qt::black);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget *line(QWidget *parent, quint32 color, int thickness, double rightTwips)
{
    auto *line = new QWidget(parent);
    line->setGeometry(0, platform::twipsToPixels(2160), platform::twipsToPixels(rightTwips), thickness);
    platform::setForeBack(line, Qt::black, platform::vbColor(color));
    return line;
}

} // namespace

frmAbout::frmAbout()
    : Form(staticName())
{
    setBorder(Border::FixedDialog, /*closeBox=*/true, /*inTaskbar=*/false);
    setWindowIcon(platform::picture(QStringLiteral(":/shell/quirlix.svg"), QSize(64, 64)));
    setClientSizeTwips(5700, 5700);

    const QFont arial = platform::vbFont(QStringLiteral("Arial"), 9.75);
    lblTitle = label(client(), {}, platform::vbFont(QStringLiteral("Arial"), 24, true));
    placeTwips(lblTitle, 120, 120, 5085, 600);
    lblVersion = label(client(), {}, platform::vbFont(QStringLiteral("MS Sans Serif"), 8));
    placeTwips(lblVersion, 120, 720, 3885, 225);
    LinkVexa1 = new LinkVexa(client());
    placeTwips(LinkVexa1, 120, 1080, 3615, 975);
    // An etched rule: the grey line over the upper half of the white one.
    Line1[0] = line(client(), 0xFFFFFF, 2, 5549);
    Line1[1] = line(client(), 0x808080, 1, 5564);
    lblAutoren = label(client(), {}, arial);
    setCredits(lblAutoren, Credits);
    placeTwips(lblAutoren, 120, 2280, 4935, 975);
    LinkVexa21 = new LinkVexa2(client());
    placeTwips(LinkVexa21, 120, 2760, 2175, 255);
    LinkSprokel1 = new LinkSprokel(client());
    placeTwips(LinkSprokel1, 120, 3000, 2535, 255);
    lblVexa3 = label(client(), makers::disclaimer(), arial);
    placeTwips(lblVexa3, 120, 3240, 5175, 975);
    lblVexa2 = label(client(), {}, arial);
    placeTwips(lblVexa2, 120, 4320, 3615, 975);
    crtMailOstrak = new MailOstrak(client());
    placeTwips(crtMailOstrak, 120, 5280, 3015, 255);

    cmdOK = new QPushButton(QStringLiteral("OK"), client());
    placeTwips(cmdOK, 4080, 4320, 1260, 345);
    cmdSysInfo = new QPushButton(QStringLiteral("&Systeminfo..."), client());
    placeTwips(cmdSysInfo, 4080, 4920, 1245, 345);
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    adjustSize();
    // Centred over the main window, the one window that opens it.
    const QWidget *owner = platform::Forms::instance().find(QStringLiteral("frmStart"));
    if (owner && owner->isVisible()) {
        QRect frame = geometry();
        frame.moveCenter(owner->geometry().center());
        move(frame.topLeft());
    } else {
        centerOnScreen();
    }
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("Info zu ") + platform::programTitle());
    lblVersion->setText(versionText());
    lblTitle->setText(platform::programTitle());
    lblVexa2->setText(makers::nameAndAddress().replace(QChar(13), QChar(10)));
}

void frmAbout::StartSysInfo()
{
    if (!::StartSysInfo())
        platform::msgBox(QStringLiteral("Systeminformationen sind momentan nicht verfügbar"), platform::programTitle());
}
