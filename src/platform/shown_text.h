#pragma once
// What a control lays out of a long text: only a piece that can fill its
// room, cut between two letters, while the control keeps the whole text.
// Laying out a text costs as much as it is long, whatever is shown of it.
#include <QString>
#include <QStringView>

namespace morvadel {

// At most maxUnits UTF-16 units from the start (LeadingLetters) or the end
// (TrailingLetters) of the text, cut where one letter ends and the next
// begins: never inside a surrogate pair, nor between a letter and its
// accents or the parts of an emoji (a grapheme cluster). The whole text
// when it is no longer than maxUnits; empty when its first (last) letter
// alone is longer.
QString LeadingLetters(const QString& text, qsizetype maxUnits);
QString TrailingLetters(const QString& text, qsizetype maxUnits);

// What a room that shows the start of a text (or, with fromEnd, its end)
// needs laid out of it: the letters of LeadingLetters (TrailingLetters),
// when they are laid out left to right where they stand in the whole text;
// else (a text with a part written right to left, which the layout may
// turn around) the whole text.
QString ShownLetters(const QString& text, qsizetype maxUnits, bool fromEnd);

}  // namespace morvadel
