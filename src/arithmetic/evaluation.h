#pragma once

#include <QtCore/QString>

#include <array>
#include <optional>

struct TaskState;

// The pig board's three entry boxes, in the order in which they stand.
enum class Box { Operand1 = 0, Operand2 = 1, Ergebnis = 2 };

// The pupil's answer read by the German number rules: "7", "07", "7,0" and
// " 7 " are 7. Anything that is not a finite number, the empty text included,
// gives nothing.
std::optional<double> readAnswer(const QString &text);

enum class Verdict {
    NothingSought, // Gesucht names no box: nothing happens
    InputError,
    Right,
    Wrong,
};

// The box whose number the pupil must find, or nothing for a Gesucht
// outside 1..3.
std::optional<Box> soughtBox(const TaskState &task);

// Judges the text of the sought box against the sought number; a number goes
// into Eingabe, a text that is not one leaves it as it was.
Verdict judgeAnswer(TaskState &task, const QString &soughtText);

// What the board's refresh does for the current task: lock the two known
// boxes, show as many pigs above each of them as its number, empty and focus
// the sought box. Nothing for a Gesucht outside 1..3.
struct RefreshPlan
{
    Box sought = Box::Operand1;
    std::array<int, 3> pigs {}; // by Box; 0 above the sought box

    bool isLocked(Box box) const { return box != sought; }
};
std::optional<RefreshPlan> refreshPlan(const TaskState &task);
