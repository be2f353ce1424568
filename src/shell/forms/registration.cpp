#include "shell/forms/registration.h"

#include "platform/forms.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"

void registerShellForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmStart>();
    forms.registerForm<frmLoginSpiele>();
}
