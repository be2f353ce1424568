#pragma once

// Makes the shell's windows known to the window registry.
void registerShellForms();
