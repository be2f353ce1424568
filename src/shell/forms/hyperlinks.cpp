#include "shell/forms/hyperlinks.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/hyperlinks.h"
#include "platform/messagebox.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "shell/makers.h"

#include <QtCore/QUrl>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

namespace {

const QString MailScheme = QStringLiteral("mailto:");

// The web targets are plain host names; the system needs a scheme.
QUrl systemUrl(const QString &target)
{
    return QUrl(target.startsWith(MailScheme) ? target : QStringLiteral("https://") + target);
}

// The message on a refused navigation: a window of its own, shown without
// waiting, so that the window under it goes on (a splash may end meanwhile);
// it stays until it is answered, also over the modal about box.
void showRefusedNavigation(const QString &address)
{
    auto *box = new QMessageBox(QMessageBox::Warning, platform::programTitle(),
                                QStringLiteral("Die Adresse %1 konnte nicht geöffnet werden.").arg(address));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->show();
}

} // namespace

void setCredits(QLabel *label, const QString &lines)
{
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<p style=\"white-space: pre; line-height: %1px\">%2</p>")
                       .arg(platform::twipsToPixels(240))
                       .arg(lines.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))));
}

QCursor linkCursor()
{
    static const QCursor hand(platform::picture(QStringLiteral(":/shell/hand.svg"), QSize(32, 32)), 12, 1);
    return hand;
}

HyperLink::HyperLink(QWidget *parent, const QString &target, const QString &toolTip, double widthTwips,
                     double heightTwips)
    : QWidget(parent)
    , m_target(target)
{
    platform::Form::placeTwips(this, 0, 0, widthTwips, heightTwips);
    setToolTip(toolTip);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoMousePropagation);
}

void HyperLink::navigate()
{
    QString address = m_target;
    if (address.startsWith(MailScheme))
        address.remove(0, MailScheme.size());
    // The answer may come after this link has gone with its window.
    platform::HyperlinkService::instance().navigate(systemUrl(m_target),
                                                    [address] { showRefusedNavigation(address); });
}

platform::ClickLabel *HyperLink::addLabel(const QString &text)
{
    auto *label = new platform::ClickLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setFont(platform::vbFont(QStringLiteral("Arial"), 9.75));
    label->adjustSize();
    setMask(label->geometry());
    return label;
}

LinkVexa::LinkVexa(QWidget *parent)
    : HyperLink(parent, makers::Web, makers::Web, 3600, 1080)
    , imgLogo(new platform::ImageBox(this))
{
    platform::Form::placeTwips(imgLogo, 0, 0, 3525, 1050);
    imgLogo->setStretch(true);
    imgLogo->setPicture(platform::picture(QStringLiteral(":/shell/logo.svg"), imgLogo->size()));
    imgLogo->setCursor(linkCursor());
    connect(imgLogo, &platform::ImageBox::clicked, this, &LinkVexa::imgLogo_Click);
}

LinkVexa2::LinkVexa2(QWidget *parent)
    : HyperLink(parent, makers::Web, makers::Web, 2280, 285)
    , Label1(addLabel(makers::Name))
{
    Label1->setCursor(linkCursor());
    connect(Label1, &platform::ClickLabel::clicked, this, &LinkVexa2::Label1_Click);
}

LinkSprokel::LinkSprokel(QWidget *parent)
    : HyperLink(parent, makers::PartnerWeb, makers::PartnerWeb, 2655, 300)
    , Label1(addLabel(makers::PartnerName))
{
    platform::setForeBack(this, Qt::black, platform::vbColor(platform::SystemColor::ActiveBorder));
    setCursor(linkCursor());
    connect(Label1, &platform::ClickLabel::clicked, this, &LinkSprokel::Label1_Click);
}

MailOstrak::MailOstrak(QWidget *parent)
    : HyperLink(parent, MailScheme + makers::Mail, QStringLiteral("mailto: ") + makers::Mail, 3030, 315)
    , Label1(addLabel(makers::Mail))
{
    Label1->setCursor(linkCursor());
    connect(Label1, &platform::ClickLabel::clicked, this, &MailOstrak::Label1_Click);
}
