// The words a line had better not end on, as data a reader can see and extend: where an Arabic
// reader would not pause. The breaking itself (line_breaks.h) weighs them against evenness; the
// stored texts never change for them.
#pragma once

#include <QStringView>

namespace zarvona {

// A word of its own that leans on the next: a preposition, a conjunction, a particle, a relative
// pronoun, a question word, a noun that needs the word after it to be complete ("صاحب", "نصف",
// "شبه"), or the first half of a name ("أبو", "بن").
bool leansOnTheNext(QStringView word);

// A number, in digits or in words, that what it counts follows.
bool isNumber(QStringView word);

// Two words that are read as one: a noun and the adjective or the noun that completes it.
bool readTogether(QStringView word, QStringView next);

// The word ends a clause: a comma, a semicolon, a colon, a full stop, a question or an
// exclamation mark, maybe with a closing bracket after it.
bool endsAClause(QStringView word);

} // namespace zarvona
