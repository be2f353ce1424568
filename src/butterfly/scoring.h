#pragma once

struct PlayState;
struct TaskState;

// The butterfly game keeps its running score in SpielerPunkte: 3 points for
// a right count, 1 off for a miss, 2 off for a miss with the counting help.
// The score never falls below 0 and sticks at 32767 rather than wrapping.
namespace butterfly {

void scoreRightAnswer(PlayState &play);
void scoreMiss(PlayState &play);
// Also makes the task's result the number the counting help seeks.
void scoreHelp(PlayState &play, TaskState &task);

} // namespace butterfly
