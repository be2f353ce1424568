#include "teacher/forms/frmLehrer.h"

#include "platform/controls.h"
#include "platform/datacontrol.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/namefilter.h"
#include "platform/timer.h"
#include "platform/vbcolor.h"
#include "platform/resultsdb.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

using platform::Forms;

namespace {

constexpr quint32 kNavy = 0x800000;
constexpr quint32 kYellow = 0xFFFF;

QPushButton *button(QWidget *parent, const QString &caption, const char *name, double left, double top, double width,
                    double height)
{
    auto *button = new platform::CommandButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    platform::Form::placeTwips(button, left, top, width, height);
    return button;
}

QLabel *header(QWidget *parent, const QString &caption, const char *name, double left, double width)
{
    QLabel *label = platform::makeLabel(parent, caption, platform::vbFont(QStringLiteral("MS Sans Serif"), 9.75, true),
                                        platform::vbColor(platform::SystemColor::HighlightText), platform::vbColor(kNavy));
    label->setObjectName(QLatin1String(name));
    platform::Form::placeTwips(label, left, 1680, width, 255);
    return label;
}

QPlainTextEdit *column(QWidget *parent, int index, double left, double width)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("txtAusgabe(%1)").arg(index));
    box->setReadOnly(true);
    box->setFont(platform::vbFont(QStringLiteral("Times New Roman"), 12));
    // Rows stay level across the columns: a long name is cut, not wrapped.
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    platform::Form::placeTwips(box, left, 2040, width, 4215);
    return box;
}

QLineEdit *recordBox(QWidget *parent, int index, double left, double width)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txt1(%1)").arg(index));
    box->setReadOnly(true);
    box->setFont(platform::vbFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    platform::Form::placeTwips(box, left, 7200, width, 375);
    return box;
}

// Multi-line boxes break lines at LF; the lists join them with CR LF.
QString shown(const QString &column)
{
    QString text = column;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

frmLehrer::frmLehrer()
    : Form(staticName())
    , datliste(new platform::DataControl(client()))
    , txtVar(client())
    , m_list(datliste->source(), *this)
{
    setWindowTitle(QStringLiteral("Lehrer"));
    setBorder(Border::FixedSingle, /*closeBox=*/false);
    setBackColor(kNavy);
    setClientSizeTwips(11880, 8595);
    // The font a window of the platform gives the controls that set none:
    // the buttons' captions fit their designed sizes only in it.
    setFont(platform::vbFont(QStringLiteral("MS Sans Serif"), 8.25));

    const QFont times = platform::vbFont(QStringLiteral("Times New Roman"), 12);
    lblSuchen = platform::makeLabel(client(), QStringLiteral("Suchen nach:"), times,
                                    platform::vbColor(platform::SystemColor::HighlightText), platform::vbColor(kNavy));
    lblSuchen->setObjectName(QStringLiteral("lblSuchen"));
    placeTwips(lblSuchen, 360, 480, 1455, 255);
    txtsuch = new QLineEdit(client());
    txtsuch->setObjectName(QStringLiteral("txtsuch"));
    txtsuch->setFont(times);
    placeTwips(txtsuch, 360, 840, 3135, 495);

    cmdZurück = button(client(), QStringLiteral("Zurück zum Hauptmenü"), "cmdZurück", 3840, 840, 1455, 495);
    cmdAlle = button(client(), QStringLiteral("Alle anzeigen"), "cmdAlle", 5520, 840, 1455, 495);
    cmdPasswort = button(client(), QStringLiteral("Passwort ändern"), "cmdPasswort", 8640, 840, 1695, 495);

    headers[0] = header(client(), QStringLiteral("Name"), "lblName(0)", 360, 1575);
    headers[1] = header(client(), QStringLiteral("Punkte"), "lblSpiel1(1)", 3840, 1575);
    headers[4] = header(client(), QStringLiteral("Spiel"), "lblSpiel2(0)", 5040, 855);
    headers[2] = header(client(), QStringLiteral("Level"), "lblSpiel3(2)", 7440, 855);
    headers[3] = header(client(), QStringLiteral("Datum"), "lblSpiel3(0)", 8640, 1575);

    txtAusgabe[0] = column(client(), 0, 360, 3375);
    txtAusgabe[1] = column(client(), 1, 3840, 1095);
    txtAusgabe[4] = column(client(), 4, 5040, 2535);
    txtAusgabe[2] = column(client(), 2, 7680, 855);
    txtAusgabe[3] = column(client(), 3, 8640, 1695);
    new platform::ScrollLink({txtAusgabe[0], txtAusgabe[1], txtAusgabe[2], txtAusgabe[3], txtAusgabe[4]}, this);

    cmdUp = button(client(), QStringLiteral("Up"), "cmdUp", 10560, 2040, 615, 2055);
    cmdDown = button(client(), QStringLiteral("Down"), "cmdDown", 10560, 4320, 615, 1935);

    datliste->setObjectName(QStringLiteral("datliste"));
    placeTwips(datliste, 360, 6720, 3135, 345);
    // A yellow arrow pointing left at the record arrows.
    const QColor yellow = platform::vbColor(kYellow);
    new platform::LineShape(client(), 3720, 6840, 4200, 6840, yellow);
    new platform::LineShape(client(), 3960, 6720, 3720, 6840, yellow);
    new platform::LineShape(client(), 3960, 6960, 3720, 6840, yellow);
    lblInfo = platform::makeLabel(client(), QStringLiteral("Wählen Sie hiermit den zu löschenden Datensatz aus!!!"),
                                  platform::vbFont(QStringLiteral("MS Sans Serif"), 12), yellow,
                                  platform::vbColor(kNavy));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    placeTwips(lblInfo, 4440, 6720, 5895, 375);

    txt1[0] = recordBox(client(), 0, 360, 3135);
    txt1[1] = recordBox(client(), 1, 3840, 1095);
    txt1[2] = recordBox(client(), 2, 5160, 2175);
    txt1[3] = recordBox(client(), 3, 7440, 855);
    cmdLöschen = button(client(), QStringLiteral("Löschen"), "cmdLöschen", 9360, 7200, 1695, 375);
    cmdAlleLöschen = button(client(), QStringLiteral("Alle Daten löschen"), "cmdAlleLöschen", 9360, 7680, 1695, 375);

    const std::pair<QLineEdit *, const char *> bindings[] = {
        {txt1[0], "Name"}, {txt1[1], "Punkte"}, {txt1[2], "Spiel"}, {txt1[3], "Level"}};
    for (const auto &[box, field] : bindings)
        datliste->bind(box, QLatin1String(field));
    txtVar.bindTo(*datliste);

    connect(cmdZurück, &QPushButton::clicked, this, &frmLehrer::cmdZurück_Click);
    connect(cmdAlle, &QPushButton::clicked, this, &frmLehrer::cmdAlle_Click);
    connect(cmdPasswort, &QPushButton::clicked, this, &frmLehrer::cmdPasswort_Click);
    connect(cmdUp, &QPushButton::clicked, this, &frmLehrer::cmdUp_Click);
    connect(cmdDown, &QPushButton::clicked, this, &frmLehrer::cmdDown_Click);
    connect(cmdLöschen, &QPushButton::clicked, this, &frmLehrer::cmdLöschen_Click);
    connect(cmdAlleLöschen, &QPushButton::clicked, this, &frmLehrer::cmdAlleLöschen_Click);
    connect(txtsuch, &QLineEdit::textChanged, this, &frmLehrer::txtsuch_Change);
    connect(datliste, &platform::DataControl::Reposition, this, &frmLehrer::datliste_Reposition);

    QWidget *tabOrder[] = {cmdZurück, txtsuch, cmdAlle, cmdPasswort, cmdUp, cmdDown, cmdLöschen, cmdAlleLöschen};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    for (QPlainTextEdit *box : txtAusgabe)
        box->setFocusPolicy(Qt::ClickFocus);
    cmdZurück->setFocus();

    // Enabled from the start: the full list follows right after loading.
    tmrZeit = new platform::Timer(1, this);
    tmrZeit->setObjectName(QStringLiteral("tmrZeit"));
    connect(tmrZeit, &platform::Timer::tick, this, &frmLehrer::TmrZeit_Timer);
    tmrZeit->setEnabled(true);

    adjustSize();
    centerOnScreen();
}

void frmLehrer::Form_Load()
{
    datliste->source().setDatabaseName(platform::resultsDatabasePath());
}

void frmLehrer::setColumns(const platform::RecordColumns &columns)
{
    for (size_t c = 0; c < txtAusgabe.size(); ++c)
        txtAusgabe[c]->setPlainText(shown(columns.text[c]));
}

void frmLehrer::TmrZeit_Timer()
{
    // Off first: a message below runs a modal loop in which the clock goes on.
    tmrZeit->setEnabled(false);
    const platform::DbStatus status = m_list.fullList();
    if (!status.isOk())
        platform::msgBox(listFailureMessage(status), {}, platform::MsgIcon::Exclamation);
}

void frmLehrer::cmdUp_Click()
{
    m_list.up();
}

void frmLehrer::cmdDown_Click()
{
    if (!m_list.down())
        notFound();
}

void frmLehrer::txtsuch_Change()
{
    if (!m_list.search(txtsuch->text()))
        notFound();
}

void frmLehrer::notFound()
{
    platform::msgBox(platform::isolated(txtsuch->text()) + QStringLiteral(" nicht gefunden"));
}

void frmLehrer::cmdLöschen_Click()
{
    if (platform::askYesNo(QStringLiteral("Wollen Sie den aktuellen Datensatz wirklich löschen?"),
                           platform::MsgIcon::Stop)) {
        const platform::DbStatus status = m_list.deleteCurrent();
        if (!status.isOk())
            platform::msgBox(deleteFailureMessage(status), {}, platform::MsgIcon::Exclamation);
    }
    tmrZeit->setEnabled(true);
}

void frmLehrer::cmdAlleLöschen_Click()
{
    if (platform::askYesNo(QStringLiteral("Wollen Sie wirklich alle Daten löschen?"), platform::MsgIcon::Stop)) {
        const platform::DbStatus status = m_list.deleteAll();
        if (!status.isOk())
            platform::msgBox(deleteFailureMessage(status), {}, platform::MsgIcon::Exclamation);
    }
    tmrZeit->setEnabled(true);
}

void frmLehrer::cmdAlle_Click()
{
    tmrZeit->setEnabled(true);
}

void frmLehrer::cmdPasswort_Click()
{
    Forms::instance().show(QStringLiteral("frmPasswort"));
}

void frmLehrer::cmdZurück_Click()
{
    // The main window first: were this the last window, closing it would end
    // the program.
    Forms::instance().show(QStringLiteral("frmStart"));
    unload();
}

void frmLehrer::datliste_Reposition()
{
    datliste->setCaption(recordNumberCaption(datliste->source().Recordset().AbsolutePosition()));
}
