#include "arithmetic/forms/frmHaupt.h"

#include "arithmetic/evaluation.h"
#include "arithmetic/scoring.h"
#include "arithmetic/taskgeneration.h"
#include "arithmetic/tasktexts.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/keys.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "state/modvar.h"
#include "state/variablen.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>

using platform::Forms;

namespace {

constexpr quint32 boardColor = 0xFFC0C0;

class BoardTexts : public TaskTexts
{
public:
    explicit BoardTexts(frmHaupt *board)
        : m_board(board)
    {
    }
    void setOperand1Text(const QString &text) override { m_board->txtOperator1->setText(text); }
    void setOperand2Text(const QString &text) override { m_board->txtOperator2->setText(text); }
    void setErgebnisText(const QString &text) override { m_board->txtErgebnis->setText(text); }
    void setRechenzeichen(const QString &text) override { m_board->lblrechenzeichen->setText(text); }

private:
    frmHaupt *m_board;
};

QLineEdit *entryBox(QWidget *parent, const char *name, double left)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(platform::vbFont(QStringLiteral("Arial"), 72));
    box->setAlignment(Qt::AlignCenter);
    platform::setForeBack(box, Qt::black);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::white);
    box->setPalette(pal);
    platform::Form::placeTwips(box, left, 2640, 2175, 2055);
    return box;
}

QLabel *signLabel(QWidget *parent, const char *name, const QString &text)
{
    QFont font = platform::vbFont(QStringLiteral("Arial"), 90);
    font.setWeight(QFont::Black);
    QLabel *label = platform::makeLabel(parent, text, font, Qt::black, QColor(), Qt::AlignCenter);
    label->setWordWrap(false);
    label->setObjectName(QLatin1String(name));
    return label;
}

void makePigs(QWidget *parent, std::array<platform::ImageBox *, 20> &pigs, const char *name, double baseLeft)
{
    const QPixmap pig = platform::picture(QStringLiteral(":/arithmetic/pig.svg"),
                                          QSize(platform::twipsToPixels(555), platform::twipsToPixels(450)));
    for (int i = 0; i < 20; ++i) {
        auto *image = new platform::ImageBox(parent);
        image->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        platform::Form::placeTwips(image, baseLeft + 600 * (i % 4), 120 + 480 * (i / 4), 555, 450);
        image->setPicture(pig);
        image->hide();
        pigs[i] = image;
    }
}

platform::PictureButton *pictureButton(QWidget *parent, const char *name, const QString &caption,
                                       const QString &picture, double left, double width)
{
    auto *button = new platform::PictureButton(caption, platform::picture(picture, QSize(72, 72)), parent);
    button->setObjectName(QLatin1String(name));
    platform::Form::placeTwips(button, left, 6360, width, 1695);
    return button;
}

} // namespace

frmHaupt::frmHaupt()
    : Form(staticName())
    , m_texts(std::make_unique<BoardTexts>(this))
{
    setWindowTitle(QStringLiteral("Mixelo"));
    setBorder(Border::FixedSingle, /*closeBox=*/false);
    setBackColor(boardColor);
    setClientSizeTwips(10995, 8355);

    // Pigs first, so that nothing of them can cover a box.
    makePigs(client(), imgSchwein1, "imgSchwein1", 360);
    makePigs(client(), imgSchwein2, "imgSchwein2", 4440);
    makePigs(client(), imgSchwein3, "imgSchwein3", 8520);

    txtOperator1 = entryBox(client(), "txtOperator1", 360);
    txtOperator2 = entryBox(client(), "txtOperator2", 4440);
    txtErgebnis = entryBox(client(), "txtErgebnis", 8520);
    // Enter in any box judges the sought one, also in a locked box; every
    // other key goes to the box as typed.
    for (QLineEdit *box : {txtOperator1, txtOperator2, txtErgebnis})
        platform::onEnter(box, [this] { cmdauswerten_Click(); });

    lblrechenzeichen = signLabel(client(), "lblrechenzeichen", QString());
    placeTwips(lblrechenzeichen, 2880, 2280, 1215, 2055);
    lblgleich = signLabel(client(), "lblgleich", QStringLiteral("="));
    placeTwips(lblgleich, 6960, 2400, 1215, 1935);
    lblpunkte = platform::makeLabel(client(), QString(), platform::vbFont(QStringLiteral("Arial"), 36, true),
                                    Qt::black, QColor(), Qt::AlignCenter);
    lblpunkte->setWordWrap(false);
    lblpunkte->setObjectName(QStringLiteral("lblpunkte"));
    placeTwips(lblpunkte, 2400, 5280, 6255, 735);

    cmdhilfe = pictureButton(client(), "cmdhilfe", QStringLiteral("HILFE !"), QStringLiteral(":/arithmetic/question.svg"),
                             240, 1935);
    CmdEnde = pictureButton(client(), "CmdEnde", QStringLiteral("Ende"), QStringLiteral(":/arithmetic/door.svg"), 4440,
                            2055);
    cmdauswerten = pictureButton(client(), "cmdauswerten", QStringLiteral("Auswerten"),
                                 QStringLiteral(":/arithmetic/tick.svg"), 8760, 1935);
    connect(cmdhilfe, &QToolButton::clicked, this, &frmHaupt::cmdhilfe_Click);
    connect(CmdEnde, &QToolButton::clicked, this, &frmHaupt::CmdEnde_Click);
    connect(cmdauswerten, &QToolButton::clicked, this, &frmHaupt::cmdauswerten_Click);

    setTabOrder(cmdauswerten, txtOperator1);
    setTabOrder(txtOperator1, txtOperator2);
    setTabOrder(txtOperator2, txtErgebnis);
    setTabOrder(txtErgebnis, cmdhilfe);
    setTabOrder(cmdhilfe, CmdEnde);

    mnudatei = menuBar()->addMenu(QStringLiteral("Datei"));
    mnudatei->setObjectName(QStringLiteral("mnudatei"));
    mnuBeenden = mnudatei->addAction(QStringLiteral("Beenden"), this, &frmHaupt::mnuBeenden_Click);
    mnuhelp = menuBar()->addMenu(QStringLiteral("?"));
    mnuhelp->setObjectName(QStringLiteral("mnuhelp"));
    mnuAnleitung = mnuhelp->addAction(QStringLiteral("Anleitung"), this, &frmHaupt::mnuAnleitung_Click);
    mnuinfo = mnuhelp->addAction(QStringLiteral("Info"), this, &frmHaupt::mnuinfo_Click);
    mnuBeenden->setObjectName(QStringLiteral("mnuBeenden"));
    mnuAnleitung->setObjectName(QStringLiteral("mnuAnleitung"));
    mnuinfo->setObjectName(QStringLiteral("mnuinfo"));

    adjustSize();
    centerOnScreen();
}

frmHaupt::~frmHaupt() = default;

void frmHaupt::Form_Load()
{
    startPigGame(Variablen);
    m_playerName = modVar.SpielerName;
    // The level choice draws the first task through this board, which the
    // registry already knows; the board appears only after it, never without
    // a task.
    Forms::instance().showModal(QStringLiteral("frmlevel"));
}

void frmHaupt::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        form_paint();
    }
}

void frmHaupt::Leveleins()
{
    drawTask(1);
}

void frmHaupt::levelzwei()
{
    drawTask(2);
}

void frmHaupt::leveldrei()
{
    drawTask(3);
}

void frmHaupt::drawTask(quint8 level)
{
    drawPigTask(Variablen, level, *m_texts);
}

QLineEdit *frmHaupt::box(Box which) const
{
    switch (which) {
    case Box::Operand1:
        return txtOperator1;
    case Box::Operand2:
        return txtOperator2;
    case Box::Ergebnis:
        break;
    }
    return txtErgebnis;
}

void frmHaupt::form_paint()
{
    const std::optional<RefreshPlan> plan = refreshPlan(Variablen);
    if (!plan)
        return;
    const std::array<std::array<platform::ImageBox *, 20> *, 3> pigs = {&imgSchwein1, &imgSchwein2, &imgSchwein3};
    for (const Box which : {Box::Operand1, Box::Operand2, Box::Ergebnis}) {
        const int index = static_cast<int>(which);
        if (plan->isLocked(which))
            box(which)->setReadOnly(true);
        for (int i = 0; i < plan->pigs[index]; ++i)
            (*pigs[index])[i]->show();
    }
    QLineEdit *sought = box(plan->sought);
    sought->clear();
    sought->setFocus();
}

void frmHaupt::nextTask(double levelPoints)
{
    drawTask(Variablen.RechenLevel);
    lblpunkte->setText(pointsCaption(levelPoints));
    // The refresh only ever adds pigs and locks; the old task's go here.
    for (int i = 0; i < 20; ++i) {
        imgSchwein1[i]->hide();
        imgSchwein2[i]->hide();
        imgSchwein3[i]->hide();
    }
    txtOperator1->setReadOnly(false);
    txtOperator2->setReadOnly(false);
    txtErgebnis->setReadOnly(false);
}

void frmHaupt::showOverBoard(const QString &window)
{
    Forms::instance().showModal(window);
    activateWindow();
    form_paint();
}

void frmHaupt::cmdauswerten_Click()
{
    const std::optional<Box> sought = soughtBox(Variablen);
    if (!sought)
        return;
    switch (judgeAnswer(Variablen, box(*sought)->text())) {
    case Verdict::NothingSought:
        return;
    case Verdict::InputError:
        showOverBoard(QStringLiteral("frmfehler"));
        return;
    case Verdict::Right:
        showOverBoard(QStringLiteral("frmokay"));
        return;
    case Verdict::Wrong:
        showOverBoard(QStringLiteral("frmfalsch"));
        return;
    }
}

void frmHaupt::cmdhilfe_Click()
{
    markReducedPoints(Variablen);
    showOverBoard(QStringLiteral("frmHilfe"));
}

void frmHaupt::CmdEnde_Click()
{
    endGame();
}

void frmHaupt::mnuBeenden_Click()
{
    endGame();
}

void frmHaupt::endGame()
{
    handOverResult(Variablen, m_playerName, modVar);
    Forms::instance().show(QStringLiteral("frmSpeichern"));
    unload();
}

void frmHaupt::mnuAnleitung_Click()
{
    showOverBoard(QStringLiteral("frmAnleitung"));
}

void frmHaupt::mnuinfo_Click()
{
    showOverBoard(QStringLiteral("frmInfo"));
}
