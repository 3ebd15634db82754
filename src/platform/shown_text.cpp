#include "platform/shown_text.h"

#include <QChar>
#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace morvadel {

namespace {

bool Ascii(QChar c) { return c.unicode() < 0x80; }

// The code point that begins at unit i (a lone surrogate stands for itself).
char32_t PointAt(QStringView t, qsizetype i) {
  if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate())
    return QChar::surrogateToUcs4(t[i], t[i + 1]);
  return t[i].unicode();
}

bool InsidePair(QStringView t, qsizetype i) {
  return i > 0 && i < t.size() && t[i].isLowSurrogate() && t[i - 1].isHighSurrogate();
}

// True when unit i repeats the character before it, which has all its
// properties.
bool Repeats(QStringView t, qsizetype i) {
  return i > 0 && i < t.size() && t[i] == t[i - 1] && !t[i].isSurrogate();
}

// Where the copies of the character before unit i that follow it end: a
// long run of one character is passed over without looking it up.
qsizetype CopiesEnd(QStringView t, qsizetype i) {
  if (!Repeats(t, i)) return i;
  const char16_t* units = t.utf16();
  const char16_t copied = units[i];
  const qsizetype n = t.size();
  // Sixteen units at a time while they all are copies.
  const quint64 four = 0x0001000100010001ull * copied;
  for (; i + 16 <= n; i += 16) {
    quint64 words[4];
    std::memcpy(words, units + i, sizeof words);
    if (((words[0] ^ four) | (words[1] ^ four) | (words[2] ^ four) | (words[3] ^ four)) != 0) break;
  }
  while (i < n && units[i] == copied) ++i;
  return i;
}

// Where the text's first character of any one script stands (its size when
// it has none): the characters common to all scripts, and marks, before it
// join the run of its script.
qsizetype FirstOfAScript(QStringView t) {
  const qsizetype n = t.size();
  for (qsizetype i = CopiesEnd(t, 0); i < n; i = CopiesEnd(t, i + 1))
    if (QChar::script(PointAt(t, i)) > QChar::Script_Common) return i;
  return n;
}

// Scripts whose letters Qt takes for syllables, found one after another
// from the start of each run of the script, so that where a run begins
// moves the boundaries after it. Every other script has the standard
// rules, which look at the two characters that meet (and at a run of
// flags or an emoji sequence).
bool Syllabic(QChar::Script script) {
  return (script >= QChar::Script_Devanagari && script <= QChar::Script_Sinhala) || script == QChar::Script_Thai ||
         script == QChar::Script_Tibetan || script == QChar::Script_Myanmar || script == QChar::Script_Khmer;
}

// A letter surely begins where two ASCII characters meet, but a CR and its
// LF: the standard rules break there, and a syllable ends at any character
// not of its script.
bool PlainCut(QStringView t, qsizetype i) {
  return i > 0 && i < t.size() && Ascii(t[i - 1]) && Ascii(t[i]) && !(t[i - 1] == u'\r' && t[i] == u'\n');
}

// True when the letters after unit i are told apart alike in the whole
// text and in the text from i on. A character of a script, not a mark,
// begins the run of its script there in both (or goes on with it) and
// leaves the standard rules nothing to carry; a syllabic script needs a
// syllable begun there too, which an ASCII character before it ensures.
bool FreshStart(QStringView t, qsizetype i) {
  if (i == 0) return true;
  if (InsidePair(t, i)) return false;
  const char32_t point = PointAt(t, i);
  const QChar::Script script = QChar::script(point);
  if (script <= QChar::Script_Common || QChar::isMark(point)) return false;
  return !Syllabic(script) || Ascii(t[i - 1]);
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
  for (qsizetype i = 0; i < n; i = CopiesEnd(text, i + 1)) {
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

// A text's own font draws every ASCII character (the control characters
// it lacks as its empty box), which no font chosen for a script takes over.
bool AllAscii(QStringView t) {
  const char16_t* units = t.utf16();
  const qsizetype n = t.size();
  // Sixteen units at a time into four words, with no test on the way.
  quint64 a = 0, b = 0, c = 0, d = 0;
  qsizetype i = 0;
  for (; i + 16 <= n; i += 16) {
    quint64 words[4];
    std::memcpy(words, units + i, sizeof words);
    a |= words[0];
    b |= words[1];
    c |= words[2];
    d |= words[3];
  }
  for (; i < n; ++i) a |= units[i];
  return ((a | b | c | d) & 0xFF80FF80FF80FF80ull) == 0;
}

qsizetype UnitsOf(char32_t point) { return QChar::requiresSurrogates(point) ? 2 : 1; }

// The script of the run each character falls in as Qt lays out a line:
// characters common to all scripts, and marks, join the run before them;
// those before the text's first character of a script join its run.
class ScriptRuns {
 public:
  explicit ScriptRuns(QChar::Script first) : first_(first) {}
  QChar::Script Run() const { return run_ > QChar::Script_Common ? run_ : first_; }
  // What the runs of the characters after depend on.
  QChar::Script State() const { return run_; }
  // The run of the next character; true in `begins` when it begins one.
  QChar::Script Feed(char32_t point, bool* begins = nullptr) {
    const QChar::Script script = QChar::script(point);
    const bool starts = script > QChar::Script_Common && script != run_ &&
                        (run_ <= QChar::Script_Common || !QChar::isMark(point));
    if (starts) run_ = script;
    if (begins) *begins = starts && !QChar::isMark(point);
    return Run();
  }

 private:
  QChar::Script first_, run_ = QChar::Script_Common;
};

// Qt takes the fonts of a line by the script of each run (Latin letters
// and the common characters share theirs): a character is drawn in the
// first of them that has it, a joiner or a variation selector preferably
// in that of the character before it; ASCII in the text's own font.
bool TakesFontOfPrevious(char32_t p) {
  return p == 0x200C || p == 0x200D || (p >= 0xFE00 && p <= 0xFE0F) || (p >= 0xE0100 && p <= 0xE01EF);
}

quint64 FontKind(QChar::Script run, char32_t previous, char32_t point) {
  const quint64 script = run <= QChar::Script_Latin ? QChar::Script_Common : run;
  if (script == QChar::Script_Common && point < 0x80) point = u' ';
  if (!TakesFontOfPrevious(point)) previous = 0;
  return script << 42 | quint64(previous) << 21 | point;
}

// What follows a piece cut from the start of a text so that its line has
// the fonts of the whole text's line, and so its height and where its
// letters stand in it: a character of each kind the rest of the text draws
// in a font the piece has no character of (after what sets the script of
// its run, where that differs). Empty when the rest needs none, or more
// than mostUnits units of them (thousands of letters of other fonts, which
// would cost as much to lay out as the whole text: the piece alone then
// sets the line's height); nullopt when what sets a run cannot be found.
std::optional<QString> FontsOfTheRest(QStringView text, qsizetype cut, qsizetype mostUnits) {
  const qsizetype n = text.size();
  const qsizetype first = FirstOfAScript(text);
  ScriptRuns runs(first < n ? QChar::script(PointAt(text, first)) : QChar::Script_Common);
  std::unordered_set<quint64> kinds;
  std::unordered_map<int, char32_t> starters;  // a character that begins a run of each script
  // For each character of the first plane, 1 + the state of the runs in
  // which it was read and changed nothing: read there again, its kind is
  // known and it changes nothing again (unless it takes the font of the
  // character before it).
  static_assert(QChar::ScriptCount < 255);
  std::vector<quint8> read(0x10000);
  char32_t previous = 0;
  bool begins = false;  // the last character read begins a run
  auto next = [&](qsizetype at) {
    const char32_t point = PointAt(text, at);
    const QChar::Script state = runs.State();
    const QChar::Script run = runs.Feed(point, &begins);
    if (begins) starters.emplace(run, point);
    const quint64 kind = FontKind(run, previous, point);
    if (runs.State() == state && point < 0x10000 && !TakesFontOfPrevious(point)) read[point] = quint8(state + 1);
    previous = point;
    return kind;
  };
  // Where the characters from unit `at` on that are known end.
  auto knownEnd = [&](qsizetype at) {
    const char16_t* units = text.utf16();
    const quint8 state = quint8(runs.State() + 1);
    while (at < n && !QChar::isSurrogate(units[at]) && read[units[at]] == state) ++at;
    return at;
  };
  qsizetype i = 0;
  for (; i < cut; i += UnitsOf(previous)) kinds.insert(next(i));
  // An ASCII rest in the run of the Latin script or of none needs only the
  // text's own font.
  if (runs.Run() <= QChar::Script_Latin && kinds.count(FontKind(QChar::Script_Common, 0, u' ')) &&
      AllAscii(text.sliced(cut)))
    return QString();
  ScriptRuns drawn = runs;
  QString added;
  auto add = [&](char32_t point) {
    added += QStringView(QChar::fromUcs4(point));
    drawn.Feed(point);
  };
  auto sameFonts = [](QChar::Script a, QChar::Script b) {
    return std::max(a, QChar::Script_Latin) == std::max(b, QChar::Script_Latin);
  };
  // A piece of no character of a script takes the run of the first one.
  if (first < n && cut <= first) {
    const char32_t point = PointAt(text, first);
    add(point);
    kinds.insert(FontKind(QChar::script(point), 0, point));
  }
  for (; i < n; i += UnitsOf(previous)) {
    if (const qsizetype end = knownEnd(i); end > i) {
      i = end;
      previous = text[i - 1].unicode();
    }
    // Copies of a character after its second are of the kind of the second,
    // after the same character in the same run.
    if (Repeats(text, i - 1)) i = CopiesEnd(text, i);
    if (i == n) break;
    const char32_t before = previous;
    if (!kinds.insert(next(i)).second) continue;
    const char32_t point = previous;
    const QChar::Script run = runs.Run();
    if (!begins && !sameFonts(drawn.Run(), run)) {
      const auto starter = starters.find(run);
      if (starter == starters.end()) return std::nullopt;
      add(starter->second);
    }
    if (TakesFontOfPrevious(point) && before) add(before);
    add(point);
    if (!sameFonts(drawn.Run(), run)) return std::nullopt;
    if (added.size() > mostUnits) return QString();
  }
  return added;
}

// A piece as drawText lays it out on one line: tabs, CRs and LFs as blanks.
QString AsDrawn(const QString& piece) {
  auto blank = [](QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; };
  if (std::none_of(piece.begin(), piece.end(), blank)) return piece;
  QString drawn = piece;
  std::replace_if(drawn.begin(), drawn.end(), blank, QChar(u' '));
  return drawn;
}

// LeadingLetters, `first` being FirstOfAScript of the text once found.
QString Leading(const QString& text, qsizetype maxUnits, std::optional<qsizetype>& first) {
  maxUnits = std::max<qsizetype>(maxUnits, 0);
  if (text.size() <= maxUnits) return text;
  if (maxUnits == 0) return QString();
  if (PlainCut(text, maxUnits)) return text.left(maxUnits);
  // Whether a letter ends at maxUnits depends on all before it, on the one
  // character after it (two units when it is a surrogate pair), and on the
  // script of the text's first run, which is that of its first character
  // of any one script, as far off as characters common to all reach. When
  // it is farther than the cut, it is set right after the letters around
  // the cut, which join its run there as they do in the whole text.
  if (!first) first = FirstOfAScript(text);
  const qsizetype n = text.size(), window = std::min(n, maxUnits + 2);
  QString far;
  if (*first > window && *first < n) far = text.left(window) + text.mid(*first, 2);
  const qsizetype known = *first < n ? std::min(n, std::max(maxUnits, *first) + 2) : window;
  QTextBoundaryFinder letters = far.isEmpty() ? QTextBoundaryFinder(QTextBoundaryFinder::Grapheme, text.constData(), known)
                                              : QTextBoundaryFinder(QTextBoundaryFinder::Grapheme, far);
  letters.setPosition(maxUnits);
  qsizetype end = letters.isAtBoundary() ? maxUnits : letters.toPreviousBoundary();
  while (end > 0 && InsidePair(text, end)) {
    letters.setPosition(end);
    end = letters.toPreviousBoundary();
  }
  return text.left(std::max<qsizetype>(end, 0));
}

}  // namespace

QString LeadingLetters(const QString& text, qsizetype maxUnits) {
  std::optional<qsizetype> first;
  return Leading(text, maxUnits, first);
}

QString TrailingLetters(const QString& text, qsizetype maxUnits) {
  maxUnits = std::max<qsizetype>(maxUnits, 0);
  if (text.size() <= maxUnits) return text;
  if (maxUnits == 0) return QString();
  const qsizetype from = text.size() - maxUnits;
  if (PlainCut(text, from)) return text.mid(from);
  // Letters are told apart from the nearest point before the cut after
  // which they fall as in the whole text; the start of the text is one.
  qsizetype start = from - 1;
  while (start > 0 && !FreshStart(text, start)) --start;
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text.constData() + start, text.size() - start);
  letters.setPosition(from - start);
  qsizetype begin = letters.isAtBoundary() ? from - start : letters.toNextBoundary();
  while (begin > 0 && InsidePair(text, start + begin)) {
    letters.setPosition(begin);
    begin = letters.toNextBoundary();
  }
  if (begin < 0) return QString();
  return text.mid(start + begin);
}

QString LettersReaching(const QString& text, qsizetype units, qsizetype mostUnits, qreal reachPx, bool fromEnd,
                        const std::function<qreal(const QString&)>& width, qreal* pieceWidthPx) {
  units = std::max<qsizetype>(units, 1);
  std::optional<qsizetype> first;
  for (;;) {
    const QString piece = fromEnd ? TrailingLetters(text, units) : Leading(text, units, first);
    const bool whole = piece.size() == text.size();
    const qreal px = whole || (units >= mostUnits && !pieceWidthPx) ? 0 : width(piece);
    if (whole || units >= mostUnits || px > reachPx) {
      if (pieceWidthPx) *pieceWidthPx = px;
      return piece;
    }
    units = std::min(mostUnits, units > text.size() / 2 ? text.size() : 2 * units);
  }
}

QString ShownLetters(const QString& text, const QFont& font, int roomPx, bool fromEnd) {
  // A text no longer in units than the room is in pixels costs little to
  // lay out whole.
  if (text.size() <= std::max(roomPx, 1)) return text;
  const bool plain = AllAscii(text);
  // From the end only ASCII is cut (a figure is): any other character before
  // the last letters could change their fonts or turn them around.
  if (fromEnd && !plain) return text;
  // A line separator anywhere adds lines, which move the first one; the
  // string terminator divides the text into variants to choose from.
  if (!plain && (text.contains(QChar(0x2028)) || text.contains(QChar(0x9C)))) return text;
  // What lies beyond the piece is drawn as far off as the piece is wide:
  // neither its ink nor the shapes it gives the letters just before it
  // reach back a few lines' heights. Letters of the font's average width
  // reach so far; more are taken where they do not (narrow letters,
  // zero-width characters, a letter with many accents).
  const QFontMetricsF metrics(font);
  const qreal reach = std::max(roomPx, 1) + 4 * metrics.height();
  // Laying out a million letters of no width takes seconds: at most four
  // units are taken for each pixel to reach, and a text that has more of
  // them before its words shows blank.
  const qsizetype units = static_cast<qsizetype>(reach / std::max(metrics.averageCharWidth(), 1.0)) + 1;
  const qsizetype most = static_cast<qsizetype>(std::ceil(4 * reach));
  // A piece of nothing but letters of no width takes Qt a time that grows
  // with the square of its length to lay out, and with a blank after it
  // only as long as it is; the blank's own width is taken off again.
  const qreal blank = metrics.horizontalAdvance(QChar(u' '));
  qreal pieceWidth = 0;
  const QString piece = LettersReaching(
      text, units, most, reach, fromEnd,
      [&](const QString& p) { return metrics.horizontalAdvance(AsDrawn(p) + u' ') - blank; }, &pieceWidth);
  if (piece.size() == text.size()) return piece;
  // Letters that do not reach so far show blank: what follows them would
  // show in the room, and they draw nothing much themselves.
  if (pieceWidth <= reach) return QString();
  if (plain) return piece;
  // The first letters keep their places when none of them is written right
  // to left and the text runs left to right, which a left-to-right letter
  // among them settles; without one, the rest of the text does.
  const Run run = Direction(piece);
  if (run == Run::Turns || (run == Run::Unsettled && !WritesLeftToRight(text))) return text;
  const std::optional<QString> fonts = FontsOfTheRest(text, piece.size(), most - piece.size());
  if (!fonts || piece.size() + fonts->size() >= text.size()) return text;
  return piece + *fonts;
}

}  // namespace morvadel
