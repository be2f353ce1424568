#pragma once

// Makes the windows of the memory game known to the window registry.
void registerMemoryForms();
