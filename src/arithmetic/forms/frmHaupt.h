#pragma once

#include "platform/form.h"

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class TaskTexts;
enum class Box;

namespace platform {
class ImageBox;
class PictureButton;
} // namespace platform

// The pig board of "Schweinchen": the task as three entry boxes with rows of
// pigs above the known numbers; the pupil types the missing number.
class frmHaupt : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmHaupt)
public:
    frmHaupt();
    ~frmHaupt() override;

    void Form_Load() override;

    // The task generators of the three levels.
    void Leveleins();
    void levelzwei();
    void leveldrei();
    // The generator of a level 1..3; other levels draw nothing.
    void drawTask(quint8 level);

    // Locks the known boxes, shows their pigs, empties and focuses the sought
    // box. Runs when the board first appears and after every window shown
    // over it has closed.
    void form_paint();

    // After a right answer: the next task of the level played, that level's
    // points in the label, and the boxes and pigs cleared for the refresh.
    void nextTask(double levelPoints);

    void cmdauswerten_Click();
    void cmdhilfe_Click();
    void CmdEnde_Click();
    void mnuBeenden_Click();
    void mnuAnleitung_Click();
    void mnuinfo_Click();

    QLineEdit *txtOperator1;
    QLineEdit *txtOperator2;
    QLineEdit *txtErgebnis;
    QLabel *lblrechenzeichen;
    QLabel *lblgleich;
    QLabel *lblpunkte;
    std::array<platform::ImageBox *, 20> imgSchwein1 {};
    std::array<platform::ImageBox *, 20> imgSchwein2 {};
    std::array<platform::ImageBox *, 20> imgSchwein3 {};
    platform::PictureButton *cmdhilfe;
    platform::PictureButton *CmdEnde;
    platform::PictureButton *cmdauswerten;
    QMenu *mnudatei;
    QMenu *mnuhelp;
    QAction *mnuBeenden;
    QAction *mnuAnleitung;
    QAction *mnuinfo;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *box(Box which) const;
    void showOverBoard(const QString &window);
    void endGame();

    std::unique_ptr<TaskTexts> m_texts;
    QString m_playerName;
    bool m_shownOnce = false;
};
