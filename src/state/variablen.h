#pragma once

#include <QtCore/QtGlobal>

// The task state a ± b = c that all three games write and the counting help
// reads, with the pig game's scores beside it. Zero at start.
struct TaskState
{
    double Operand1 = 0;
    double Operand2 = 0;
    double Ergebnis = 0;
    quint8 Rechenart = 0; // 1 plus, 2 minus
    quint8 Gesucht = 0;   // 1 first operand, 2 second operand, 3 result

    // The pig game's answer and scores.
    double Eingabe = 0;
    quint8 RechenLevel = 0;
    double PunkteLevel1 = 0;
    double PunkteLevel2 = 0;
    double PunkteLevel3 = 0;
    bool Punktabzug = false;
    double Gesamtpunkte = 0;

    // Cards face up in the current memory turn; kept here beside the task,
    // where the memory board and the counting help both reach it.
    quint8 AufgedeckteKarten = 0;
};

inline TaskState Variablen;
