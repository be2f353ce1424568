#include "memory/forms/registration.h"

#include "memory/forms/choicewindows.h"
#include "memory/forms/frmMemory.h"
#include "memory/forms/frmSpieler1.h"
#include "memory/forms/frmStat.h"
#include "platform/forms.h"

void registerMemoryForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmAnzahl>();
    forms.registerForm<FrmCompi>();
    forms.registerForm<FrmSchwierigkeit>();
    forms.registerForm<frmSpieler1>();
    forms.registerForm<frmMemory>();
    forms.registerForm<frmStat>();
}
