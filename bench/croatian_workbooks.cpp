// Counts how many realistic Croatian workbooks Open misreads: workbooks as
// the Windows program writes them (Windows-1250, no mark, the labels in
// English ASCII, the company block in Croatian: names in upper and lower
// case with typographic quotes, dashes and no-break spaces), and the same
// workbooks in UTF-8, whole and with a few letters typed in Windows-1250.
// Five sets from fixed seeds; each workbook is written to a file and read
// by Open. The earlier rule (a file is UTF-8 when its well-formed
// sequences outnumber its stray bytes) is counted from the same bytes.
//
//   count_misread_workbooks [folder [set]]   (sets 1 to 5; all when none is given)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/codepage.h"
#include "model/workbook_file.h"

namespace {

using namespace morvadel;

const std::vector<std::string> kSurnames = {
    "Ivić",     "Marić",   "Perić",     "Horvat",   "Kovačević", "Babić",    "Jurić",   "Novak",    "Kovačić",
    "Knežević", "Vuković", "Marković",  "Petrović", "Matić",     "Tomić",    "Pavlović", "Božić",   "Blažević",
    "Grgić",    "Pavić",   "Radić",     "Šarić",    "Lovrić",    "Vidović",  "Perković", "Popović", "Bošnjak",
    "Jukić",    "Barišić", "Mikulić",   "Šimić",    "Đurić",     "Čačić",    "Žužić",    "Šokčević", "Ćosić",
    "Čolak",    "Đaković", "Žagar",     "Mlinarić", "Brajković", "Filipović", "Cvitković", "Ćurić",  "Čović",
    "Šestak",   "Žunić",   "Vučković",  "Begović",  "Kolar"};
const std::vector<std::string> kWords = {
    "trgovina",  "ljekarna",  "građevina", "obrt",      "usluge",   "prijevoz",  "pekarnica", "tiskara",
    "računovodstvo", "čistoća", "šljunak", "žitoprodukt", "drvoprerada", "ugostiteljstvo", "mljekara", "ribarstvo",
    "vinarija",  "staklo",    "čelik",     "mesnica",   "frizerski salon", "autoservis", "električar", "stolarija",
    "građenje",  "održavanje", "savjetovanje", "proizvodnja", "uvoz-izvoz", "poljoprivreda", "šumarstvo", "zidarstvo",
    "brodogradnja", "kožara",  "tekstil",   "knjigovodstvo", "turizam", "ugostitelj", "ljevaonica", "plastika"};
const std::vector<std::string> kPlaces = {
    "Zagreb",  "Split",     "Rijeka",   "Osijek",     "Zadar",     "Šibenik",  "Čakovec",   "Varaždin",
    "Đakovo",  "Požega",    "Karlovac", "Križevci",   "Vukovar",   "Sisak",    "Slavonski Brod", "Pula",
    "Dubrovnik", "Koprivnica", "Bjelovar", "Virovitica", "Čazma",  "Županja",  "Našice",    "Knin",
    "Ploče",   "Ogulin",    "Gospić",   "Đurđevac",   "Solin",     "Kaštela",  "Makarska",  "Vinkovci"};
const std::vector<std::string> kForms = {"d.o.o.", "d.d.", "j.d.o.o.", "obrt", "k.d.", "t.o."};
const std::vector<std::string> kStreets = {"Ilica", "Vukovarska", "Ulica kralja Tomislava", "Šetalište",
                                           "Trg bana Jelačića", "Frankopanska", "Žrtava fašizma", "Đure Basaričeka"};
const std::vector<std::string> kLabels = {"Company", "Address", "Owner", "Tax number", "Activity", "Place"};

constexpr const char* kNbsp = "\u00A0";

// Upper case of the letters these texts use.
std::string Upper(const std::string& text) {
  static const std::vector<std::pair<std::string, std::string>> pairs = {
      {"č", "Č"}, {"ć", "Ć"}, {"đ", "Đ"}, {"š", "Š"}, {"ž", "Ž"}};
  std::string out;
  for (size_t i = 0; i < text.size();) {
    bool done = false;
    for (const auto& [lower, upper] : pairs)
      if (text.compare(i, lower.size(), lower) == 0) {
        out += upper;
        i += lower.size();
        done = true;
        break;
      }
    if (done) continue;
    const char c = text[i++];
    out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return out;
}

std::string Capitalised(const std::string& word) {
  // The first letter: one byte, or the two bytes of a Croatian letter.
  const size_t first = static_cast<unsigned char>(word[0]) < 0x80 ? 1 : 2;
  return Upper(word.substr(0, first)) + word.substr(first);
}

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}

  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  template <typename T>
  const T& Pick(const std::vector<T>& v) {
    return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng_)];
  }

  // A company's name as people type it.
  std::string CompanyName() {
    std::string core;
    switch (std::uniform_int_distribution<int>(0, 5)(rng_)) {
      case 0: core = Pick(kSurnames); break;
      case 1: core = Pick(kSurnames) + (Chance(0.5) ? "–" : Chance(0.5) ? " – " : "-") + Pick(kSurnames); break;
      case 2: core = Capitalised(Pick(kWords)) + " " + Pick(kSurnames); break;
      case 3: core = Capitalised(Pick(kWords)) + " " + Pick(kPlaces); break;
      case 4: core = Capitalised(Pick(kWords)) + " „" + Pick(kSurnames) + "”"; break;
      default: core = "„" + Pick(kSurnames) + (Chance(0.3) ? "–" + Pick(kSurnames) : "") + "”"; break;
    }
    if (Chance(0.8)) core += (Chance(0.3) ? kNbsp : " ") + Pick(kForms);
    if (Chance(0.15)) core += std::string(Chance(0.5) ? " – " : ", ") + Pick(kPlaces);
    return Cased(core);
  }

  std::string Value(int k) {
    switch (k) {
      case 1: return Cased(Pick(kStreets) + " " + std::to_string(Number(1, 120)) + "," + (Chance(0.3) ? kNbsp : " ") +
                           Pick(kPlaces));
      case 2: return Cased(std::string(Chance(0.5) ? "Ivan " : "Ana ") + Pick(kSurnames));
      case 3: return std::to_string(Number(10000000, 99999999)) + std::to_string(Number(100, 999));
      case 4: return Cased(Capitalised(Pick(kWords)) + (Chance(0.3) ? " – " + Pick(kWords) : ""));
      default: return Cased(Pick(kPlaces));
    }
  }

  // The company block, Croatian values under English labels; the company
  // name always in the first cell, the others as often as people fill them.
  void Fill(SharedState& s) {
    s.Company(0, 0) = Cell::Text(CompanyName());
    for (int k = 1; k <= 5; ++k) {
      s.Company(k, 0) = Cell::Text(kLabels[static_cast<size_t>(k)]);
      if (Chance(0.35)) s.Company(k, 1) = Cell::Text(Value(k));
    }
    s.Company(0, 1) = Cell::Text(Chance(0.3) ? Cased(Pick(kPlaces)) : "");
  }

  // UTF-8 text with one or two of its Croatian letters as a Windows-1250
  // editor would have typed them.
  std::string TypedIn(const std::string& utf8) {
    std::vector<size_t> letters;
    for (size_t i = 0; i < utf8.size(); ++i)
      if (static_cast<unsigned char>(utf8[i]) >= 0xC0) letters.push_back(i);
    std::string out = utf8;
    if (letters.empty()) return out;
    const int typed = Chance(0.5) ? 1 : 2;
    for (int t = 0; t < typed; ++t) {
      const size_t at = Pick(letters);
      const size_t len = Utf8SequenceLength(std::string_view(out).substr(at));
      const std::string cp = Utf8ToCp1250(out.substr(at, len));
      if (cp != "?" && len > 1) out.replace(at, len, cp);
      letters.clear();
      for (size_t i = 0; i < out.size(); ++i)
        if (static_cast<unsigned char>(out[i]) >= 0xC0 && Utf8SequenceLength(std::string_view(out).substr(i)) > 1)
          letters.push_back(i);
      if (letters.empty()) break;
    }
    return out;
  }

 private:
  int Number(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  std::string Cased(const std::string& text) {
    const double r = std::uniform_real_distribution<double>(0, 1)(rng_);
    return r < 0.35 ? Upper(text) : text;
  }

  std::mt19937 rng_;
};

std::string TextOf(const Cell& c) { return c.kind() == CellKind::Text ? c.text() : ""; }

// The file's lines as the Windows program writes them, each text through
// `encode`.
template <typename Encode>
std::string FileOf(const SharedState& s, Encode encode) {
  std::string out;
  auto text = [&](const Cell& c) { out += '"' + encode(TextOf(c)) + "\"\r\n"; };
  for (int line = 1; line <= 25600; ++line) out += "\r\n";  // the item table, empty
  text(Cell::Text("EUR"));
  out += "0\r\n";
  for (int k = 0; k <= 5; ++k)
    for (int m = 0; m <= 1; ++m) text(s.Company(k, m));
  out += "0\r\n";
  return out;
}

struct Count {
  int earlier = 0, now = 0;
};

// Open reads the file; `now` counts the workbooks whose company block it
// reads otherwise than written, `earlier` those that the earlier rule
// would have read so.
void Check(const std::string& path, const std::string& bytes, const SharedState& written, Count& count) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  SharedState read;
  read.FileName = path;
  bool same = CitajDatoteku(read).ok();
  for (int k = 0; same && k <= 5; ++k)
    for (int m = 0; m <= 1; ++m)
      if (TextOf(read.Company(k, m)) != TextOf(written.Company(k, m))) same = false;
  count.now += !same;
  const Utf8Census census = CountUtf8(bytes);
  const std::string earlier = census.sequences > census.strays ? StraysToUtf8(bytes) : Cp1250ToUtf8(bytes);
  count.earlier += earlier != FileOf(written, [](const std::string& t) { return t; });
}
}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
  const int only = argc > 2 ? std::atoi(argv[2]) : 0;
  const std::string path = (folder / ("count_misread_workbooks" + std::to_string(only) + ".eka")).string();
  const struct {
    uint32_t seed;
    int workbooks;
  } sets[] = {{1, 1449}, {2, 3200}, {3, 6400}, {4, 11000}, {5, 17090}};
  std::printf("| set | workbooks | Windows-1250: earlier rule | Windows-1250: now | UTF-8: earlier | UTF-8: now |"
              " UTF-8 with typed letters: earlier | now |\n|---|---|---|---|---|---|---|---|\n");
  for (const auto& set : sets) {
    if (only != 0 && set.seed != static_cast<uint32_t>(only)) continue;
    Generator g(set.seed);
    Count cp, utf8, typed;
    for (int w = 0; w < set.workbooks; ++w) {
      SharedState s;
      g.Fill(s);
      Check(path, FileOf(s, [](const std::string& t) { return Utf8ToCp1250(t); }), s, cp);
      Check(path, FileOf(s, [](const std::string& t) { return t; }), s, utf8);
      // Typed-in letters are read as their Windows-1250 letters: the
      // workbook written is the one meant.
      // One text with one or two letters typed in Windows-1250, which read
      // as those letters: the workbook written is the one meant.
      const std::string typedText = g.Pick(std::vector<std::string>{TextOf(s.Company(0, 0)), TextOf(s.Company(2, 1)),
                                                                    TextOf(s.Company(4, 1))});
      bool once = false;
      Check(path,
            FileOf(s,
                   [&](const std::string& t) {
                     if (once || t != typedText) return t;
                     once = true;
                     return g.TypedIn(t);
                   }),
            s, typed);
    }
    std::printf("| %u | %d | %d | %d | %d | %d | %d | %d |\n", set.seed, set.workbooks, cp.earlier, cp.now, utf8.earlier,
                utf8.now, typed.earlier, typed.now);
    std::fflush(stdout);
  }
  std::filesystem::remove(path);
  return 0;
}
