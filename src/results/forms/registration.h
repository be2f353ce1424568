#pragma once

// Makes the save window and the highscore list known to the window registry.
void registerResultsForms();
