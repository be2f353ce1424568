#pragma once

#include <QtCore/QString>

// The four texts of the pig board that a task generator writes: the three
// entry boxes and the operator label. The board fills this in; the task logic
// needs nothing else of it, so it runs and is tested without any window.
class TaskTexts
{
public:
    virtual ~TaskTexts() = default;

    virtual void setOperand1Text(const QString &text) = 0;
    virtual void setOperand2Text(const QString &text) = 0;
    virtual void setErgebnisText(const QString &text) = 0;
    virtual void setRechenzeichen(const QString &text) = 0;
};
