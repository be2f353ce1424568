#pragma once

// Makes the teacher login, the password change and the teacher view known to
// the window registry.
void registerTeacherForms();
