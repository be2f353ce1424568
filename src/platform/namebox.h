#pragma once

#include <QtGui/QValidator>

class QLineEdit;

namespace platform {

// Keeps a name or password box to what filterName lets through, whether
// typed, pasted or set: control characters and bidirectional marks are
// dropped, and the box holds at most maxCharacters code points, never cut
// inside a grapheme (maxCharacters < 0: no limit).
class NameValidator : public QValidator
{
public:
    explicit NameValidator(int maxCharacters, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    int m_maxCharacters;
};

// Puts a NameValidator on the box. The box's own maximum length, which counts
// UTF-16 units and cuts an emoji in half, is lifted; the validator counts.
void filterNameBox(QLineEdit *box, int maxCharacters = -1);

// Makes the box a password box of the platform: every character is shown as
// "*", and it holds what filterName lets through, without a limit.
void makePasswordBox(QLineEdit *box);

} // namespace platform
