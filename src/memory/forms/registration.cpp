#include "memory/forms/registration.h"

#include "memory/forms/frmMemory.h"
#include "memory/forms/frmStat.h"
#include "platform/forms.h"

void registerMemoryForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmMemory>();
    forms.registerForm<frmStat>();
}
