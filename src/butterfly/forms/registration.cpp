#include "butterfly/forms/registration.h"

#include "butterfly/forms/feedbackwindow.h"
#include "butterfly/forms/frmfangmich.h"
#include "butterfly/forms/frmstartschmetterling.h"
#include "platform/forms.h"

void registerButterflyForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmstartschmetterling>();
    forms.registerForm<frmfangmichLEICHT>();
    forms.registerForm<frmfangmichSCHWER>();
    forms.registerForm<frmRichtig>();
    forms.registerForm<frmdaneben>();
}
