#pragma once

#include <QtCore/QtGlobal>

class TaskTexts;
struct TaskState;

// Draws a new task of the given level (1 leicht, 2 mittel, 3 schwer) into the
// task (Operand1, Operand2, Ergebnis, Rechenart, Gesucht), writes the
// operator and the two known numbers into the board's texts and leaves the
// sought box empty. A level outside 1..3 draws nothing and returns false.
bool drawPigTask(TaskState &task, quint8 level, TaskTexts &texts);

// How far the second operand may go (b in 1..n) for a first operand a. The
// levels differ in whether a task may cross ten: level 1 stays within ten,
// level 2 keeps both the sum and the difference on one side of ten, level 3
// may cross it but keeps the sum below 20.
int secondOperandLimit(quint8 level, quint8 rechenart, int a);
