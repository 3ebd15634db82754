#pragma once
// What a control lays out of a long text: only a piece that can fill its
// room, cut between two letters, while the control keeps the whole text.
// Laying out a text costs as much as it is long, whatever is shown of it.
#include <QFont>
#include <QString>
#include <QStringView>
#include <functional>

namespace morvadel {

// At most maxUnits UTF-16 units from the start (LeadingLetters) or the end
// (TrailingLetters) of the text, cut where the whole text has one letter
// end and the next begin, as QTextBoundaryFinder finds its grapheme
// clusters (for some scripts that depends on all that goes before), and
// never inside a surrogate pair. The whole text when it is no longer than
// maxUnits; empty when its first (last) letter alone is longer.
QString LeadingLetters(const QString& text, qsizetype maxUnits);
QString TrailingLetters(const QString& text, qsizetype maxUnits);

// The letters of LeadingLetters (fromEnd: TrailingLetters) for `units`
// units, twice as many as often as `width`, which measures a piece as the
// control draws it, finds them no wider than reachPx, but never more than
// mostUnits: a piece wider than reachPx, the whole text, or the letters of
// mostUnits units. pieceWidthPx, when given, gets the width of a piece cut
// from the text (0 for the whole text).
QString LettersReaching(const QString& text, qsizetype units, qsizetype mostUnits, qreal reachPx, bool fromEnd,
                        const std::function<qreal(const QString&)>& width, qreal* pieceWidthPx = nullptr);

// What QPainter::drawText needs laid out of a text to draw it on one line
// of a rectangle roomPx wide, from its left edge (fromEnd: from its right
// edge), in `font`, what lies beyond the rectangle being clipped away:
// pixel for pixel what the whole text draws. The first letters, reaching
// well past the room, when they run left to right where they stand in the
// whole text, followed by a character of each kind the rest draws in a
// font they have no character of (the line is as high as its highest
// font); the last letters of a text all of ASCII; else (a part written
// right to left, which the layout may turn around, a line separator or a
// choice of variants, which change the whole line) the whole text. It
// takes at most four units for each pixel the piece should reach, which
// letters of any font's usual widths, a few accents included, fill: a
// text of more letters of no width (zero-width spaces, soft hyphens) before
// its words, or whose first letter has more accents, is drawn blank
// (nothing of it is laid out).
QString ShownLetters(const QString& text, const QFont& font, int roomPx, bool fromEnd);

}  // namespace morvadel
