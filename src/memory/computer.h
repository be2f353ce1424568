#pragma once

namespace memory {

struct BoardPicture;

// The computer opponent's decision: which two cards it turns next. It has no
// memory of cards seen; it draws among the cards not yet paired, reseeding
// before every draw and drawing again on a paired card or on a repeat of the
// other card of its choice (before the second draw, the second card of its
// previous move). A face-up card of the pupil's miss is not paired and may
// be drawn. The pair is counted for the computer the moment it is chosen;
// the board turns the cards up and judges them on the ticks of its timer.
void compivergleich(const BoardPicture &picture);

// Marks the chosen move as pending and counts it when its two numbers make
// the target sum.
void auswertung(const BoardPicture &picture);

} // namespace memory
