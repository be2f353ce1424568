#pragma once

#include <QtWidgets/QWidget>

class QLabel;

namespace platform {
class ClickLabel;
class ImageBox;
} // namespace platform

// A link to the makers' world: a picture or a label with a pointing hand and
// a tooltip; a click hands its target to the system's hyperlink service. The
// container places and sizes it. A click on it is its own: it never reaches
// the window under it.
//
// A label link is only as large as its text: our names are shorter than the
// space the containers give the links, and the rest of that space lies over
// the credits sentence, whose words must stay visible and clickable.
class HyperLink : public QWidget
{
    Q_OBJECT
public:
    // A web target is a plain host name, a mail target "mailto:" and the address.
    const QString &target() const { return m_target; }

    // Opens the target; when the system cannot, a message names the address.
    void navigate();

protected:
    HyperLink(QWidget *parent, const QString &target, const QString &toolTip, double widthTwips,
              double heightTwips);
    // The inner label, Arial 9.75 pt, at the top left, sized to its text.
    platform::ClickLabel *addLabel(const QString &text);

private:
    QString m_target;
};

// The makers' logo.
class LinkVexa : public HyperLink
{
    Q_OBJECT
public:
    explicit LinkVexa(QWidget *parent);
    void imgLogo_Click() { navigate(); }

    platform::ImageBox *imgLogo;
};

// The makers' name as the credits sentence needs it.
class LinkVexa2 : public HyperLink
{
    Q_OBJECT
public:
    explicit LinkVexa2(QWidget *parent);
    void Label1_Click() { navigate(); }

    platform::ClickLabel *Label1;
};

// The partner's name, on the active-border colour.
class LinkSprokel : public HyperLink
{
    Q_OBJECT
public:
    explicit LinkSprokel(QWidget *parent);
    void Label1_Click() { navigate(); }

    platform::ClickLabel *Label1;
};

// The contact's e-mail address; a click opens a new mail.
class MailOstrak : public HyperLink
{
    Q_OBJECT
public:
    explicit MailOstrak(QWidget *parent);
    void Label1_Click() { navigate(); }

    platform::ClickLabel *Label1;
};

// Shows the credits sentence in label: plain text, blanks kept, its lines 240
// twips apart, the pitch in which the name links standing in its blanks are
// placed.
void setCredits(QLabel *label, const QString &lines);

// The pointing hand of every link, hot spot at the fingertip.
QCursor linkCursor();
