#include "shell/forms/registration.h"

#include "platform/forms.h"
#include "shell/forms/frmAbout.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmSplash.h"
#include "shell/forms/frmStart.h"

void registerShellForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmSplash>();
    forms.registerForm<frmStart>();
    forms.registerForm<frmLoginSpiele>();
    forms.registerForm<frmAbout>();
}
