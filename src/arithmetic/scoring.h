#pragma once

#include <QtCore/QString>

struct PlayState;
struct TaskState;

// The pig game's scores, kept in the task state: 2, 3 or 4 points for a right
// answer at level 1, 2 or 3, but only 1 once the task was answered wrong or
// the counting help was opened for it.

// A new game: the three level counters and the total start at zero.
void startPigGame(TaskState &task);

// The level choice: the level to score, and full points for the first task.
void chooseLevel(TaskState &task, quint8 level);

// A wrong answer or the counting help: the current task can earn 1 point only.
void markReducedPoints(TaskState &task);

// Adds the points of a right answer to the counter of the level played, makes
// the next task worth full points and brings the total up to date. Returns the
// level's counter, which the board shows.
double scoreRightAnswer(TaskState &task);

// The points label: "1 Punkt", "13 Punkte".
QString pointsCaption(double points);

// The end of a game: name, total and level go to the play state for the save
// window. The total sticks at 32767 rather than wrapping round.
void handOverResult(const TaskState &task, const QString &playerName, PlayState &play);
