#pragma once

// Makes the windows of the pig game and the counting help known to the
// window registry.
void registerArithmeticForms();
