#pragma once

#include <QtCore/QtGlobal>

class TaskTexts;

// Draws a new task of the given level (1 leicht, 2 mittel, 3 schwer) into the
// task state (Operand1, Operand2, Ergebnis, Rechenart, Gesucht), writes the
// operator and the two known numbers into the board's texts and leaves the
// sought box empty. A level outside 1..3 draws nothing and returns false.
bool drawPigTask(quint8 level, TaskTexts &texts);
