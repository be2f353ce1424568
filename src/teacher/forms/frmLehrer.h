#pragma once

#include "platform/boundboxes.h"
#include "platform/form.h"
#include "teacher/teacherlist.h"

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class DataControl;
class Timer;
} // namespace platform

// The teacher's view of every result record: the full list by name, pages
// moved by Up and Down, the search by name, deletion of the current record or
// of all, the password change, and the way back to the main window.
class frmLehrer : public platform::Form, private ListColumnsOutput
{
    Q_OBJECT
    QUIRLIX_FORM(frmLehrer)
public:
    frmLehrer();

    void Form_Load() override;
    void TmrZeit_Timer();
    void cmdUp_Click();
    void cmdDown_Click();
    void txtsuch_Change();
    void cmdLöschen_Click();
    void cmdAlleLöschen_Click();
    void cmdAlle_Click();
    void cmdPasswort_Click();
    void cmdZurück_Click();
    void datliste_Reposition();

    const TeacherList &list() const { return m_list; }

    QLabel *lblSuchen;
    QLineEdit *txtsuch;
    QPushButton *cmdZurück;
    QPushButton *cmdAlle;
    QPushButton *cmdPasswort;
    std::array<QLabel *, 5> headers; // by column: Name, Punkte, Level, Datum, Spiel
    std::array<QPlainTextEdit *, 5> txtAusgabe; // 0 Name, 1 Punkte, 2 Level, 3 Datum, 4 Spiel
    QPushButton *cmdUp;
    QPushButton *cmdDown;
    platform::DataControl *datliste;
    QLabel *lblInfo;
    std::array<QLineEdit *, 4> txt1; // 0 Name, 1 Punkte, 2 Spiel, 3 Level
    QPushButton *cmdLöschen;
    QPushButton *cmdAlleLöschen;
    platform::BoundBoxes txtVar; // txtVarName ... txtVarSpiel
    platform::Timer *tmrZeit;

private:
    void setColumns(const platform::RecordColumns &columns) override;
    void notFound();

    TeacherList m_list;
};
