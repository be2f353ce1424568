#pragma once

#include "arithmetic/forms/registration.h"
#include "memory/forms/frmMemory.h"
#include "memory/forms/registration.h"
#include "memory/memorytesting.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "results/forms/registration.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"

#include <QtCore/QDate>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>

namespace memory_testing {

inline const QStringList pictureFiles = animalFiles
    + QStringList {QStringLiteral("sonne2.jpg"), QStringLiteral("klein_Weiter-tuer.gif"),
                   QStringLiteral("klein_Fragezeichen.jpg"), QStringLiteral("haken1.jpg")};

// The program's windows as main() registers them, the main window open, and
// the pictures the build lays beside the program in the program folder.
class MemoryWindows : public MemoryTest
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        registerShellForms();
        registerMemoryForms();
        registerResultsForms();
        registerArithmeticForms();
        main = platform::Forms::instance().show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        for (const QString &name : pictureFiles)
            if (m_withPictures)
                QFile::copy(QDir(QStringLiteral(QUIRLIX_PROGRAM_FOLDER)).filePath(name), folder.file(name));
    }
    void TearDown() override { testing_support::resetWindows(); }

    // The window, once it is open and exposed; null otherwise.
    template<class W>
    W *window()
    {
        W *form = platform::Forms::instance().find<W>();
        return form && QTest::qWaitForWindowExposed(form) ? form : nullptr;
    }
    static void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }
    void click(std::initializer_list<int> cardsClicked)
    {
        for (const int slot : cardsClicked)
            click(window<frmMemory>()->pctBild[slot]);
    }
    QString records() const
    {
        return testing_support::SqliteFile(folder.file(QStringLiteral("Daten.mdb"))).records().join(u'\n');
    }

    frmStart *main = nullptr;
    bool m_withPictures = true;
    const QString m_today = QDate::currentDate().toString(Qt::ISODate);
};

} // namespace memory_testing
