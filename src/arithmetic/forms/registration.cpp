#include "arithmetic/forms/registration.h"

#include "arithmetic/forms/frmAnleitung.h"
#include "arithmetic/forms/frmHaupt.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/frmInfo.h"
#include "arithmetic/forms/frmfalsch.h"
#include "arithmetic/forms/frmfehler.h"
#include "arithmetic/forms/frmlevel.h"
#include "arithmetic/forms/frmokay.h"
#include "platform/forms.h"

void registerArithmeticForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmHaupt>();
    forms.registerForm<frmlevel>();
    forms.registerForm<frmokay>();
    forms.registerForm<frmfalsch>();
    forms.registerForm<frmfehler>();
    forms.registerForm<frmHilfe>();
    forms.registerForm<frmAnleitung>();
    forms.registerForm<frmInfo>();
}
