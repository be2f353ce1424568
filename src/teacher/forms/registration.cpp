#include "teacher/forms/registration.h"

#include "platform/forms.h"
#include "teacher/forms/frmLehrer.h"
#include "teacher/forms/frmLogin.h"
#include "teacher/forms/frmPasswort.h"

void registerTeacherForms()
{
    auto &forms = platform::Forms::instance();
    forms.registerForm<frmLogin>();
    forms.registerForm<frmPasswort>();
    forms.registerForm<frmLehrer>();
}
