#include "compare/form19.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <initializer_list>

#include "platform/fonts.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr int kWidth = 860;

// The paragraphs carry their own indentation; the help text joins them.
std::string Join(std::initializer_list<const char*> paragraphs) {
  std::string text = " \r\n";
  bool first = true;
  for (const char* p : paragraphs) {
    if (!first) text += "\r\n";
    text += p;
    first = false;
  }
  return text;
}

std::string DunBradstreetEn() {
  return Join({
      "      To understand the results of a financial analysis you have to compare your own figures with those "
      "of other companies. One way of doing so is to use the data of the Dun and Bradstreet database.",
      "      Dun and Bradstreet compiles its comparable industry ratios from its database of more than one million "
      "companies; much of this information is reported by the companies themselves.",
      "      Some industry groups contain many companies, others only a few.",
      "      Dun and Bradstreet warns its users to take its industry norms and key business ratios as yardsticks, "
      "not as absolutes. For the ratios of a particular industry it refers to its publications 'Industry Norms' "
      "and 'Key Business Ratios'.",
      "      The ratios are based on annual financial statements, so comparisons made with monthly statements are "
      "significantly distorted.",
      "      Dun and Bradstreet is a specialised financial research company with its seat in Jacksonville, "
      "Florida, USA.",
      "      Web address: https://www.dnb.com .",
  });
}

std::string DunBradstreetHr() {
  return Join({
      "     Da biste razumjeli rezultate financijske analize, svoje brojke morate usporediti s brojkama drugih "
      "poduzeća. Jedan je od načina korištenje podataka iz baze podataka Dun and Bradstreet.",
      "     Dun and Bradstreet svoje usporedive pokazatelje djelatnosti sastavlja iz baze podataka s više od "
      "milijun poduzeća; velik dio tih podataka dostavljaju sama poduzeća.",
      "     Neke skupine djelatnosti obuhvaćaju mnogo poduzeća, a neke tek nekoliko.",
      "     Dun and Bradstreet upozorava korisnike da njegove norme djelatnosti i ključne poslovne pokazatelje "
      "shvate kao mjerilo, a ne kao apsolutne vrijednosti. Za pokazatelje pojedine djelatnosti upućuje na svoje "
      "publikacije 'Industry Norms' i 'Key Business Ratios'.",
      "     Pokazatelji se temelje na godišnjim financijskim izvješćima, pa su usporedbe s mjesečnim izvješćima "
      "znatno iskrivljene.",
      "     Dun and Bradstreet specijalizirana je tvrtka za financijska istraživanja sa sjedištem u "
      "Jacksonvilleu, Florida, SAD.",
      "     Web adresa: https://www.dnb.com .",
  });
}

std::string PrenticeHallEn() {
  return Join({
      "      To compare your figures with those of other companies you can also use the data of a book, an "
      "almanac, published by Prentice Hall, the world's leading publisher of academic and reference textbooks "
      "(today part of Pearson).",
      "      The book is the 'Almanac of Business & Industrial Financial Ratios' by Leo Troy.",
      "      The almanac gives comparative financial data and benchmarks, 50 performance indicators among them, "
      "for 179 Standard Industrial Classifications, based on the latest IRS data for more than 3.7 million U.S. "
      "corporations, together with ten-year trends for 13 key indicators.",
      "      The comparable ratios are compiled from IRS statistics based on more than 3.5 million federal "
      "corporate income tax returns. The IRS (Internal Revenue Service) is the tax administration of the U.S. "
      "Department of the Treasury.",
      "      Prentice Hall states that the IRS data is the only publicly available source of financial "
      "information on all active corporations. For the ratios of a particular industry, see the almanac.",
      "      The ratios are based on annual financial statements, so comparisons made with monthly statements are "
      "significantly distorted unless the industry ratios are adjusted.",
      "      PRENTICE-HALL is present on the Internet at the address: https://www.pearson.com",
  });
}

std::string PrenticeHallHr() {
  return Join({
      "        Svoje brojke s brojkama drugih poduzeća možete usporediti i pomoću podataka iz knjige (almanaha) "
      "koju izdaje Prentice Hall, vodeći svjetski izdavač akademskih i referentnih udžbenika (danas dio "
      "Pearsona).",
      "      Knjiga se zove 'Almanac of Business & Industrial Financial Ratios', a autor joj je Leo Troy.",
      "      Almanah daje usporedive financijske podatke i mjerila (među njima 50 pokazatelja uspješnosti) za 179 "
      "standardnih klasifikacija djelatnosti, na temelju najnovijih podataka IRS-a za više od 3,7 milijuna "
      "američkih korporacija, te desetogodišnje trendove za 13 ključnih pokazatelja.",
      "      Usporedivi pokazatelji sastavljeni su iz statistike IRS-a na temelju više od 3,5 milijuna saveznih "
      "prijava poreza na dobit korporacija. IRS (Internal Revenue Service) porezna je uprava Ministarstva "
      "financija SAD-a.",
      "      Prentice Hall navodi da su podaci IRS-a jedini javno dostupan izvor financijskih podataka o svim "
      "aktivnim korporacijama.",
      "      Pokazatelji se temelje na godišnjim financijskim izvješćima, pa su usporedbe s mjesečnim izvješćima "
      "znatno iskrivljene ako se pokazatelji djelatnosti ne prilagode.",
      "      PRENTICE-HALL je prisutan na Internetu na adresi: https://www.pearson.com",
  });
}

std::string RobertMorrisEn() {
  return Join({
      "     To compare your figures with those of other companies you can also use the data of the RMA "
      "(Robert Morris Associates) database.",
      "     RMA is the leading association of lending, credit and risk-management professionals serving the "
      "financial services industry.",
      "     RMA was founded in 1914 to help commercial bankers make better lending decisions through the exchange "
      "of credit information.",
      "     RMA is present on the Internet at the address: https://www.rmahq.org .",
      "     Robert Morris Associates compiles its comparable industry ratios from the data of its member banks.",
      "     Some industry groups contain many companies, others only a few; Robert Morris Associates warns its "
      "users to take its statement studies as general guidelines, not as absolute norms.",
      "     For the ratios of a particular industry it refers to its publication 'Annual Statement Studies'.",
      "     The ratios are based on annual financial statements.",
  });
}

std::string RobertMorrisHr() {
  return Join({
      "     Svoje brojke s brojkama drugih poduzeća možete usporediti i pomoću podataka iz baze podataka RMA "
      "(Robert Morris Associates).",
      "     RMA je vodeće udruženje stručnjaka za kreditiranje, kredite i upravljanje rizicima u financijskim "
      "uslugama.",
      "     RMA je osnovana 1914. godine kako bi razmjenom kreditnih informacija pomogla poslovnim bankarima "
      "donositi bolje odluke o kreditima.",
      "     RMA je danas prisutna na Internetu - na adresi: https://www.rmahq.org .",
      "     Robert Morris Associates sastavlja usporedive pokazatelje djelatnosti iz podataka svojih banaka "
      "članica.",
      "     Neke skupine djelatnosti obuhvaćaju mnogo poduzeća, a neke tek nekoliko; Robert Morris Associates "
      "upozorava korisnike da njegove studije izvješća shvate kao opće smjernice, a ne kao apsolutne norme.",
      "     Za pokazatelje pojedine djelatnosti upućuje na svoju publikaciju 'Annual Statement Studies'.",
      "     Pokazatelji se temelje na godišnjim financijskim izvješćima.",
  });
}

QLabel* SourceLabel(int source, QSize size, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFixedSize(size);
  label->setPixmap(SourcePicture(source, size));
  return label;
}

}  // namespace

std::string IndustrySourceHelpText(int reportCode, int16_t language) {
  const bool hr = language == kCroatian, en = language == kEnglish;
  if (!hr && !en) return {};
  switch (reportCode) {
    case 1: return hr ? DunBradstreetHr() : DunBradstreetEn();
    case 2: return hr ? PrenticeHallHr() : PrenticeHallEn();
    case 3: return hr ? RobertMorrisHr() : RobertMorrisEn();
    default: return {};
  }
}

Form19::Form19(AppContext& ctx) : Form(ctx, FormId::Form19) {
  SetGrows(true);
  const WindowFrame frame =
      BuildWindowFrame(this, QSize(kWidth, 80), QMargins(16, 14, 16, 10), 14, Qt::Horizontal);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;
  Text1 = new QTextEdit(body);
  Text1->setFont(TimesFont(10.5));
  Text1->setReadOnly(true);
  Text1->setLineWrapMode(QTextEdit::WidgetWidth);
  Text1->setAcceptRichText(false);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setMinimumHeight(380);
  bodyLayout->addWidget(Text1, 1);

  // One of the three pictures stays visible; the column keeps the widest.
  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  Picture6 = SourceLabel(1, QSize(271, 329), body);
  Picture4 = SourceLabel(2, QSize(250, 332), body);
  Picture2 = SourceLabel(3, QSize(217, 283), body);
  for (QLabel* p : {Picture6, Picture4, Picture2}) side->addWidget(p, 0, Qt::AlignHCenter | Qt::AlignTop);
  side->addStretch();
  Picture5 = new PictureButton(IconKind::Back, body);
  side->addWidget(Picture5, 0, Qt::AlignRight | Qt::AlignBottom);
  auto* sideBox = new QWidget(body);
  sideBox->setLayout(side);
  side->setContentsMargins(0, 0, 0, 0);
  sideBox->setFixedWidth(271);
  bodyLayout->addWidget(sideBox);

  Picture3 = AddBottomRule(this, frame.layout, kWidth);

  connect(Picture5, &QToolButton::clicked, this, &Form19::Picture5_Click);
}

void Form19::Form_Load() {
  if (s_.Language == kEnglish) {
    Picture1->SetLanguage(kEnglish);
    Picture5->setToolTip(" Back ");
  }
  if (s_.Language == kCroatian) Picture5->setToolTip(" Povratak ");
  // Only the picture of the current source stays; without a source, none.
  const int code = s_.ReportCode;
  Picture6->setVisible(code == 1);
  Picture4->setVisible(code == 2);
  Picture2->setVisible(code == 3);
  const std::string text = IndustrySourceHelpText(code, s_.Language);
  Text1->setPlainText(QString::fromStdString(text).replace("\r\n", "\n"));
  // A little air between the paragraphs; the text itself stays as it is.
  QTextCursor all(Text1->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat spaced;
  spaced.setBottomMargin(5);
  all.mergeBlockFormat(spaced);
  Text1->moveCursor(QTextCursor::Start);
}

void Form19::Picture5_Click() { ctx_.nav.Show(FormId::Form2a); }

}  // namespace morvadel
