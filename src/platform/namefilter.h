#pragma once

#include <QtCore/QString>
#include <QtCore/QStringView>

namespace platform {

// What a name or password box may hold. filterName returns text without
//   - control characters (Unicode Cc: CR, LF, tab, ESC, ...) and the line and
//     paragraph separators U+2028, U+2029: a name is one line;
//   - the bidirectional embeddings, overrides and isolates U+202A-U+202E and
//     U+2066-U+2069, which would turn the rest of a list row around, and the
//     invisible direction marks U+200E, U+200F and U+061C;
// and, when maxCharacters is not negative, at most maxCharacters code points,
// cut only between graphemes (what a person sees as one character: an emoji
// sequence, a letter with its combining accent). A grapheme that would cross
// the limit is left out whole.
//
// cursor, when given, is a position in text on entry and the same place in
// the result on return. Graphemes over the limit are left out just before
// it, where typing or pasting ended, so a full box refuses what is typed
// into it and a pasted text is cut at its own end; what lies after the
// cursor is cut last.
QString filterName(QStringView text, int maxCharacters = -1, qsizetype *cursor = nullptr);

// A name typed by the user as one part of a sentence: what filterName lets
// through, between a first-strong isolate and its pop (U+2068 ... U+2069), so
// that neither a right-to-left name nor a direction control typed into it can
// turn the words after it around. The controls are dropped rather than kept
// inside: a pop directional isolate in the name would end the isolate early.
QString isolated(QStringView text);

} // namespace platform
