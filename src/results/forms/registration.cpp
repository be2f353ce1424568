#include "results/forms/registration.h"

#include "platform/forms.h"
#include "results/forms/frmHighscore.h"
#include "results/forms/frmSpeichern.h"

void registerResultsForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmSpeichern>();
    forms.registerForm<frmHighscore>();
}
