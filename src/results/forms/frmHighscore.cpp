#include "results/forms/frmHighscore.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "results/highscore.h"
#include "platform/resultsdb.h"

#include <QtGui/QAbstractTextDocumentLayout>
#include <QtGui/QTextBlock>
#include <QtGui/QTextDocument>
#include <QtGui/QTextLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

namespace {

constexpr quint32 kNavy = 0x800000;
constexpr quint32 kYellow = 0xFFFF;
constexpr double kListTop = 1440;
constexpr double kListHeight = 6840;
constexpr double kHeaderTop = 1080;
constexpr double kHeaderHeight = 360;

// A list box whose first item can start a few pixels down, level with the
// first line of a text box.
class NumberList : public QListWidget
{
public:
    using QListWidget::QListWidget;
    using QListWidget::setViewportMargins;
};

QFont listFont()
{
    return platform::vbFont(QStringLiteral("Times New Roman"), 12, true);
}

void paintYellowOnNavy(QWidget *widget)
{
    QPalette pal = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        pal.setColor(role, platform::vbColor(kNavy));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        pal.setColor(role, platform::vbColor(kYellow));
    widget->setPalette(pal);
    widget->setFont(listFont());
}

QPlainTextEdit *column(QWidget *parent, const char *name, double left, double width)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    paintYellowOnNavy(box);
    // Rows stay level with their numbers: a long name is cut, not wrapped.
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFocusPolicy(Qt::ClickFocus); // outside the tab order, still typed into
    platform::Form::placeTwips(box, left, kListTop, width, kListHeight);
    return box;
}

int lineHeightOf(QPlainTextEdit *column)
{
    column->setPlainText(QStringLiteral("1"));
    const QTextBlock block = column->document()->firstBlock();
    column->document()->documentLayout()->blockBoundingRect(block); // lays the line out
    const QTextLayout *layout = block.layout();
    const int height = layout && layout->lineCount() > 0 ? qRound(layout->lineAt(0).height())
                                                         : QFontMetrics(column->font()).lineSpacing();
    column->clear();
    return height;
}

} // namespace

frmHighscore::frmHighscore()
    : Form(staticName())
    , txtVar(client())
{
    setWindowTitle(QStringLiteral("Highscore"));
    setBorder(Border::FixedSingle, /*closeBox=*/false);
    setBackColor(kNavy);
    setClientSizeTwips(11400, 8535);

    cmdZurück = new QPushButton(QStringLiteral("zurück"), client());
    cmdZurück->setObjectName(QStringLiteral("cmdZurück"));
    placeTwips(cmdZurück, 240, 240, 1575, 495);
    connect(cmdZurück, &QPushButton::clicked, this, &frmHighscore::cmdZurück_Click);

    auto *numbers = new NumberList(client());
    lstNummer = numbers;
    lstNummer->setObjectName(QStringLiteral("lstNummer"));
    paintYellowOnNavy(lstNummer);
    lstNummer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstNummer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstNummer->setVerticalScrollMode(QAbstractItemView::ScrollPerItem); // by rows, as the columns scroll
    placeTwips(lstNummer, 240, kListTop, 735, kListHeight);

    // Left to right: numbers, points, names, games, levels, dates.
    txtPunkte = column(client(), "txtPunkte(1)", 1095, 1215);
    txtName = column(client(), "txtName(0)", 2430, 3495);
    txtSpiel = column(client(), "txtSpiel(3)", 6045, 2295);
    txtLevel = column(client(), "txtLevel(1)", 8460, 855);
    txtDatum = column(client(), "txtDatum(2)", 9435, 1725);

    new platform::ScrollLink({lstNummer, txtPunkte, txtName, txtSpiel, txtLevel, txtDatum}, this);

    // Each number stands as high as a line of the columns beside it, the
    // first level with their first line.
    const int lineHeight = lineHeightOf(txtPunkte);
    const int firstLine = static_cast<int>(txtPunkte->document()->documentMargin());
    lstNummer->setSpacing(0);
    numbers->setViewportMargins(0, firstLine, 0, 0);
    for (int n = 1; n <= 10; ++n) {
        auto *item = new QListWidgetItem(QStringLiteral("%1.").arg(n), lstNummer);
        item->setSizeHint(QSize(0, lineHeight));
    }

    const struct
    {
        const char *caption;
        QPlainTextEdit *under;
    } headers[5] = {{"Punkte", txtPunkte}, {"Name", txtName}, {"Level", txtLevel}, {"Datum", txtDatum}, {"Spiel", txtSpiel}};
    for (int i = 0; i < 5; ++i) {
        QLabel *label = platform::makeLabel(client(), QLatin1String(headers[i].caption), listFont(),
                                            platform::vbColor(kYellow), platform::vbColor(kNavy));
        label->setObjectName(QStringLiteral("lblPunkte(%1)").arg(i));
        // The caption starts where the column's text does.
        label->setIndent(firstLine + headers[i].under->frameWidth());
        label->setGeometry(headers[i].under->x(), platform::twipsToPixels(kHeaderTop), headers[i].under->width(),
                           platform::twipsToPixels(kHeaderHeight));
        lblPunkte[static_cast<size_t>(i)] = label;
    }

    setTabOrder(cmdZurück, lstNummer);
    cmdZurück->setFocus();

    tmrZeit = new platform::Timer(1, this);
    tmrZeit->setObjectName(QStringLiteral("tmrZeit"));
    connect(tmrZeit, &platform::Timer::tick, this, &frmHighscore::TmrZeit_Timer);
    tmrZeit->setEnabled(true);

    adjustSize();
    centerOnScreen();
}

void frmHighscore::Form_Load()
{
    m_databaseName = platform::resultsDatabasePath();
}

void frmHighscore::TmrZeit_Timer()
{
    // Off first: a message below runs a modal loop in which the clock goes on.
    tmrZeit->setEnabled(false);
    const HighscoreList list = loadHighscore(m_databaseName);
    // Each column is set once, whatever its length; a plain-text box reads
    // the list's CR LF as one line break.
    txtName->setPlainText(list.columns[platform::ListColumn::Name]);
    txtPunkte->setPlainText(list.columns[platform::ListColumn::Punkte]);
    txtLevel->setPlainText(list.columns[platform::ListColumn::Level]);
    txtDatum->setPlainText(list.columns[platform::ListColumn::Datum]);
    txtSpiel->setPlainText(list.columns[platform::ListColumn::Spiel]);
    txtVar.setTexts(list.bound);
    if (!list.status.isOk())
        platform::msgBox(highscoreFailureMessage(list.status), {}, platform::MsgIcon::Exclamation);
}

void frmHighscore::cmdZurück_Click()
{
    platform::Forms::instance().show(QStringLiteral("frmStart"));
    unload();
}
