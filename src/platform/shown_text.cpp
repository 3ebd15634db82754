#include "platform/shown_text.h"

#include <QChar>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace morvadel {

namespace {

// How far back of a cut the letters are told apart from, at most, when no
// point where a letter surely begins stands nearer.
constexpr qsizetype kLookBack = 32;

bool PlainAscii(QChar c) { return c.unicode() < 0x80 && c != u'\r' && c != u'\n'; }

// A regional indicator, two of which make a flag, at a unit of the text.
bool FlagHalfAt(const QString& t, qsizetype i) {
  return i >= 0 && i + 1 < t.size() && t[i].unicode() == 0xD83C && t[i + 1].unicode() >= 0xDDE6 &&
         t[i + 1].unicode() <= 0xDDFF;
}

// How a text is laid out as a line of its own.
enum class Run {
  LeftToRight,  // in the order it is stored, settled by a left-to-right letter
  Unsettled,    // nothing of it is turned around, but its direction comes
                // from what follows it (or it holds an embedding)
  Turns,        // some of it is written right to left
};

Run Direction(QStringView text) {
  bool settled = false, embeds = false;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    char32_t point = text[i].unicode();
    if (QChar::isHighSurrogate(point) && i + 1 < n && text[i + 1].isLowSurrogate())
      point = QChar::surrogateToUcs4(static_cast<char16_t>(point), text[++i].unicode());
    switch (QChar::direction(point)) {
      case QChar::DirL:
        settled = true;
        break;
      case QChar::DirR:
      case QChar::DirAL:
      case QChar::DirAN:
      case QChar::DirRLE:
      case QChar::DirRLO:
      case QChar::DirRLI:
      case QChar::DirFSI:
        return Run::Turns;
      case QChar::DirLRE:
      case QChar::DirLRO:
      case QChar::DirLRI:
        // Letters inside an isolate do not settle the line's direction:
        // leave it, and an embedding, to the whole text.
        embeds = true;
        break;
      default:
        break;
    }
  }
  return settled && !embeds ? Run::LeftToRight : Run::Unsettled;
}

// True when no part of the text is written right to left. Hebrew is the
// first of the scripts written so; nothing before it turns a text around,
// so most texts are passed over a unit at a time.
bool WritesLeftToRight(QStringView text) {
  constexpr char16_t kFirstRightToLeft = 0x0590;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i].unicode() < kFirstRightToLeft) continue;
    const qsizetype from = i;
    while (i + 1 < n && text[i + 1].unicode() >= kFirstRightToLeft) ++i;
    if (Direction(text.sliced(from, i + 1 - from)) == Run::Turns) return false;
  }
  return true;
}

}  // namespace

QString LeadingLetters(const QString& text, qsizetype maxUnits) {
  maxUnits = std::max<qsizetype>(maxUnits, 0);
  if (text.size() <= maxUnits) return text;
  // Whether a letter ends at maxUnits depends on what stands before it and
  // on the one character after it (two units when it is a surrogate pair).
  const qsizetype window = std::min(text.size(), maxUnits + 2);
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text.constData(), window);
  letters.setPosition(maxUnits);
  const qsizetype end = letters.isAtBoundary() ? maxUnits : letters.toPreviousBoundary();
  return text.left(std::max<qsizetype>(end, 0));
}

QString TrailingLetters(const QString& text, qsizetype maxUnits) {
  maxUnits = std::max<qsizetype>(maxUnits, 0);
  if (text.size() <= maxUnits) return text;
  if (maxUnits == 0) return QString();
  const qsizetype from = text.size() - maxUnits;
  // Letters are told apart from a point where one surely begins, which
  // nothing before it can change: a plain ASCII character after another;
  // without one close by, from a little way back, where a letter of fewer
  // units than that way has ended before the cut.
  const qsizetype limit = std::max<qsizetype>(0, from - kLookBack);
  qsizetype start = from;
  while (start > limit && !(PlainAscii(text[start]) && PlainAscii(text[start - 1]))) --start;
  if (start > 0 && text[start].isLowSurrogate()) --start;
  // Nothing else that comes before a letter joins it to what went before,
  // but flags pair their halves from the start of a run of them.
  if (FlagHalfAt(text, start)) {
    qsizetype before = 0;
    while (FlagHalfAt(text, start - 2 * (before + 1))) ++before;
    if (before % 2) start -= 2;
  }
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text.constData() + start, text.size() - start);
  letters.setPosition(from - start);
  qsizetype begin = letters.isAtBoundary() ? from - start : letters.toNextBoundary();
  if (begin < 0) return QString();
  return text.mid(start + begin);
}

QString ShownLetters(const QString& text, qsizetype maxUnits, bool fromEnd) {
  if (text.size() <= maxUnits) return text;
  if (fromEnd) {
    // The last letters stand last only in a text of no right-to-left part.
    if (!WritesLeftToRight(text)) return text;
    return TrailingLetters(text, maxUnits);
  }
  const QString piece = LeadingLetters(text, maxUnits);
  // The first letters keep their places when none of them is written right
  // to left and the text runs left to right, which a left-to-right letter
  // among them settles; without one, the rest of the text does.
  switch (Direction(piece)) {
    case Run::LeftToRight: return piece;
    case Run::Unsettled: return WritesLeftToRight(text) ? piece : text;
    case Run::Turns: return text;
  }
  return text;
}

}  // namespace morvadel
