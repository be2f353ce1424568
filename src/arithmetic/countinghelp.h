#pragma once

#include <QtCore/QString>

#include <array>

struct TaskState;

// What the counting help shows for the task in the task state: the equation
// line with "?" in the sought place, and suns to count in a grid of 20 cells
// (5 a row, 4 rows, cell 1 top left). Addition shows a yellow suns followed
// by b blue ones; subtraction shows a suns of which the last b are crossed out.
struct HelpPicture
{
    // Empty where the help leaves a label as designed.
    QString lblOperator1;
    QString lblRechenart;
    QString lblOperator2;
    QString lblErgebnis;

    // The suns set in cells 1..20; element 0 is unused, so that an index is
    // the cell's number. Where two are set in a cell, a crossed-out sun lies
    // in front of a blue one and both in front of a yellow one.
    std::array<bool, 21> Sonne5 {}; // yellow
    std::array<bool, 21> Sonne3 {}; // blue
    std::array<bool, 21> Sonne4 {}; // crossed out
};

// Reads the operation, the sought place and the two known numbers of the
// task, computes the sought number from them and writes it back, and
// returns the picture. Numbers outside 0..20 are cut to the grid. An unknown
// operation leaves the labels and the grid empty; an unknown sought place
// sets only the operator.
HelpPicture drawCountingHelp(TaskState &task);
