#pragma once

// Makes the butterfly game's windows known to the window registry.
void registerButterflyForms();
