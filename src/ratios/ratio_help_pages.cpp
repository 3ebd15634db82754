// The help pages' texts. Each page is one text with CR LF line breaks; each
// paragraph is one long line that the text box wraps.
#include "ratios/ratio_help_pages.h"

#include <algorithm>

namespace morvadel {
namespace {

// ---- Average values -------------------------------------------------------

constexpr const char* k1001Hr =
    " \r\n"
    "   Objašnjenje\r\n"
    "\r\n"
    "   Pokazatelji se uobičajeno izračunavaju iz stvarnih vrijednosti, bilo ostvarenih, bilo planiranih. "
    "Kada to zatražite pritiskom na gumb, program iz stvarnih vrijednosti izračunava prosječne vrijednosti "
    "(pomične prosjeke) i pokazatelje računa iz njih.\r\n"
    "\r\n"
    "   Prvo razdoblje zadržava svoju stvarnu vrijednost, jer za njega nema prethodnog razdoblja iz kojeg bi se "
    "prosjek mogao izračunati. Za svako sljedeće razdoblje primjenjuje se formula:\r\n"
    "\r\n"
    "   Prosječna vrijednost = (Realna vrijednost na početku razdoblja"
    " + Realna vrijednost na kraju razdoblja) / 2";

constexpr const char* k1001En =
    " \r\n"
    "\r\n"
    "   Ratios are normally computed from real values, whether actual or planned. When you ask for it with the "
    "button, the program computes average values (moving averages) from the real values and computes the "
    "ratios from them.\r\n"
    "\r\n"
    "   The first period keeps its real value, because there is no earlier period from which an average could "
    "be formed. Every later period uses the formula:\r\n"
    "\r\n"
    " Moving average = (The real amount at the beginning of a period +"
    " the real amount at the end of period) / 2";

// ---- Liquidity ------------------------------------------------------------

constexpr const char* k11Hr =
    " \r\n"
    "   Koeficijent tekuće likvidnosti (Current Ratio)\r\n"
    "\r\n"
    "   Što je to?\r\n"
    "\r\n"
    "   Koeficijent tekuće likvidnosti standardna je mjera financijskog zdravlja poduzeća. Pokazuje pokriva li "
    "tekuća imovina tekuće obveze, odnosno može li poduzeće iz imovine koja se unovčuje unutar godine dana "
    "podmiriti obveze koje u tom roku dospijevaju. Standardna vrijednost za zdravo poduzeće iznosi dva.\r\n"
    "\r\n"
    "   Kada koristiti ovaj koeficijent?\r\n"
    "\r\n"
    "   Pratite ga mjesečno ili tromjesečno. Tako ćete na vrijeme uočiti slabljenje likvidnosti i djelovati "
    "prije nego što nastanu teškoće s plaćanjem.\r\n"
    "\r\n"
    " Izvor: American Express";

constexpr const char* k11En =
    " \r\n"
    "   Current Ratio\r\n"
    "\r\n"
    "   What it is:\r\n"
    "\r\n"
    "   The current ratio is the standard measure of a business's financial health. It tells you whether the "
    "current assets cover the current liabilities, that is, whether the business can meet the obligations "
    "falling due within a year from the assets it turns into cash within a year. The standard value for a "
    "healthy business is two.\r\n"
    "\r\n"
    "   When to use it:\r\n"
    "\r\n"
    "   Track it monthly or quarterly. You will then notice a weakening of liquidity early and can act before "
    "payment difficulties arise.\r\n"
    "\r\n"
    " Source: American Express";

constexpr const char* k12Hr =
    " \r\n"
    "   Koeficijent ubrzane likvidnosti\r\n"
    "\r\n"
    "   Što je to?\r\n"
    "\r\n"
    "   Koeficijent ubrzane likvidnosti sličan je koeficijentu tekuće likvidnosti, ali je stroži, jer se "
    "zalihe izostavljaju iz imovine: u obzir se uzimaju samo novac, utržive vrijednosnice i potraživanja. "
    "Zato ga nazivaju i testom kiseline (acid test). Što je koeficijent veći, poduzeće je likvidnije; "
    "optimalna vrijednost je 1 ili više.\r\n"
    "\r\n"
    "   Kada koristiti ovaj koeficijent?\r\n"
    "\r\n"
    "   Koristan je pri mjesečnom praćenju poslovanja, a i kada procjenjujete mogu li vaši kupci brzo platiti, "
    "jer potraživanja čine velik dio brzo unovčive imovine.\r\n"
    "\r\n"
    " Izvor: American Express";

constexpr const char* k12En =
    " \r\n"
    "   Quick Ratio\r\n"
    "\r\n"
    "   What it is:\r\n"
    "\r\n"
    "   The quick ratio is like the current ratio, but stricter, because inventories are left out of the "
    "assets: only cash, marketable securities and receivables are counted. That is why it is also called the "
    "acid test. The higher the ratio, the more liquid the business; the optimum is 1 or higher.\r\n"
    "\r\n"
    "   When to use it:\r\n"
    "\r\n"
    "   It is useful for monthly monitoring, and when you judge whether your customers can pay quickly, since "
    "receivables make up much of the quick assets.\r\n"
    "\r\n"
    " Source: American Express";

constexpr const char* k13Hr =
    " \r\n"
    "   Koeficijent trenutne likvidnosti\r\n"
    "\r\n"
    "   Koeficijent trenutne likvidnosti stavlja u odnos novac i novčane ekvivalente s tekućim obvezama. "
    "To je najosnovnija mjera likvidnosti: pokazuje koliki dio tekućih obveza poduzeće može podmiriti odmah, "
    "bez naplate potraživanja i prodaje zaliha. Što je koeficijent veći, poduzeće je likvidnije i manji je "
    "rizik da neće moći podmiriti kratkoročne obveze.\r\n"
    "\r\n"
    " Izvor: Fundamental Analysis, The National Investor (United Arab Emirates)";

constexpr const char* k13En =
    " \r\n"
    "   Cash Ratio\r\n"
    "\r\n"
    "   The cash ratio compares cash and cash equivalents with the current liabilities. It is the most basic "
    "measure of liquidity: it shows how much of the current liabilities the business could pay at once, "
    "without collecting receivables or selling inventory. The higher the ratio, the more liquid the business "
    "and the lower the risk of a short-term default.\r\n"
    "\r\n"
    "   Seen from the balance sheet, the ratio also shows the share of the assets that the business holds as "
    "cash.\r\n"
    "\r\n"
    " Source: Fundamental Analysis, The National Investor (United Arab Emirates); a financial glossary";

// ---- Leverage -------------------------------------------------------------

constexpr const char* k21Hr =
    " \r\n"
    "   Koeficjent zaduženosti\r\n"
    "\r\n"
    "   Koeficijent zaduženosti stavlja u odnos ukupne obveze i ukupnu aktivu. Koristi se za praćenje kroz "
    "vrijeme i za usporedbu s djelatnošću. Općenito je nizak koeficijent povoljan. Kada je veći od 0,5, "
    "vjerovnici su u poslovanje uložili više novca od vlasnika, što je za vjerovnike nepovoljno; visok "
    "koeficijent znači i znatne troškove kamata.\r\n"
    "\r\n"
    " Izvor: Prentice Hall ratio formulas";

constexpr const char* k21En =
    " \r\n"
    "   Debt Ratio\r\n"
    "\r\n"
    " Formula: Total Liabilities / Total Assets\r\n"
    "\r\n"
    "   The debt ratio compares the total liabilities with the total assets. It is used to follow the business "
    "over time and to compare it with its industry. Generally a low ratio is good. Above 0.5 the creditors "
    "have more money in the business than the owners, which is unfavourable for the creditors; a high ratio "
    "also means a significant interest expense.\r\n"
    "\r\n"
    " Source: Prentice Hall ratio formulas";

constexpr const char* k22Hr =
    " \r\n"
    "   Koeficijent vlastitog financiranja\r\n"
    "\r\n"
    "   Vlastiti kaital / Ukupna aktiva\r\n"
    "\r\n"
    "   Koeficijent pokazuje granicu sigurnosti vjerovnika u slučaju likvidacije poduzeća.\r\n"
    "\r\n"
    "   Što je koeficijent veći, vjerovnici su bolje zaštićeni imovinom poduzeća.";

constexpr const char* k22En =
    " \r\n"
    "   Coefficient of  Self-Financing\r\n"
    "\r\n"
    "   Total Stockholders Equity / Total assets\r\n"
    "\r\n"
    "   The ratio shows the creditors' margin of safety in case the business is liquidated.\r\n"
    "\r\n"
    "   The higher the ratio, the better the creditors are protected by the assets of the business.";

constexpr const char* k23Hr =
    " \r\n"
    "   Koeficijent zaduženosti (Debt to Equity Ratio)\r\n"
    "\r\n"
    "   Što je to?\r\n"
    "\r\n"
    "   Koeficijent uspoređuje ono što poduzeće duguje s onim što posjeduje, odnosno ukupne obveze s vlastitim "
    "kapitalom. Visoka vrijednost znači da je poduzeće prezaduženo i da bi trebalo smanjiti svoj dug.\r\n"
    "\r\n"
    "   Kada koristiti ovaj koeficijent?\r\n"
    "\r\n"
    "   Zajmodavci i ulagači koriste ga kako bi procijenili rizik ulaganja u poduzeće; pratite ga i vi prije "
    "nego što zatražite novi kredit.\r\n"
    "\r\n"
    " Izvor: American Express";

constexpr const char* k23En =
    " \r\n"
    "   Debt to Equity Ratio\r\n"
    "\r\n"
    "   What it is:\r\n"
    "\r\n"
    "   The ratio compares what the business owes with what it owns, that is, the total liabilities with the "
    "stockholders' equity. A high value means that the business is over-leveraged and should reduce its "
    "debt.\r\n"
    "\r\n"
    "   When to use it:\r\n"
    "\r\n"
    "   Lenders and investors use it to judge the risk of putting money into the business; watch it yourself "
    "before you ask for a new loan.\r\n"
    "\r\n"
    " Source: American Express\r\n"
    "\r\n"
    "   Creditors generally prefer a lower ratio, because it leaves them a larger cushion of equity. Investors "
    "may prefer a higher one, for the benefit of financial leverage: borrowed money that earns more than it "
    "costs raises the return on their equity.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents";

// ---- Activity -------------------------------------------------------------

constexpr const char* k31Hr =
    " \r\n"
    "   Koeficjent obrtaja ukupnih sredstava\r\n"
    "\r\n"
    "   Koeficijent pokazuje koliko godišnjih prihoda od prodaje poduzeće ostvaruje na svaku novčanu jedinicu "
    "uložene imovine. Osobito je važan u djelatnostima koje zahtijevaju velika ulaganja u imovinu.\r\n"
    "\r\n"
    " Izvor: World-Class Financial Analysis, Profitcents";

constexpr const char* k31En =
    " \r\n"
    "   Total Assets Turnover Ratio\r\n"
    "\r\n"
    "   The ratio shows the annual sales the business produces for each money unit invested in its assets. It "
    "matters most in industries that need large investments in assets.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents";

constexpr const char* k32Hr =
    " \r\n"
    " Koeficijent obrtaja obrtnih sredstava \r\n"
    "\r\n"
    "   Odnos prihoda od prodaje i obrtnih sredstava pokazuje koliko se djelotvorno koriste obrtna sredstva. "
    "Nizak koeficijent upućuje na nedjelotvorno korištenje, a vrlo visok na preopterećeno poslovanje "
    "(poslovanje iznad mogućnosti obrtnog kapitala), što je za vjerovnike ranjiv položaj.\r\n"
    "\r\n"
    "   Obrtna sredstva su granica zaštite tekućih vjerovnika.\r\n"
    "\r\n"
    " Izvor: RMA Definition of Ratios";

constexpr const char* k32En =
    " \r\n"
    " Working Capital Turnover Ratio \r\n"
    "\r\n"
    "   Relating sales to working capital shows how efficiently the working capital is used. A low ratio "
    "points to an inefficient use of working capital, a very high one to overtrading (more business than the "
    "working capital can carry), a vulnerable position for the creditors.\r\n"
    "\r\n"
    "   Working capital is the margin of protection for the current creditors.\r\n"
    "\r\n"
    " Source: RMA Definition of Ratios";

constexpr const char* k33Hr =
    " \r\n"
    "   Koeficjent obrtaja zaliha\r\n"
    "\r\n"
    "   Koeficijent pokazuje koliko se godišnje prodaje ostvaruje na svaku novčanu jedinicu zaliha, odnosno "
    "koliko se puta godišnje zalihe obrnu.\r\n"
    "\r\n"
    "   Iznimno niska vrijednost znači da je kapital vezan u zalihama. Neuobičajeno visoka vrijednost upućuje "
    "na nedovoljne zalihe i spore isporuke, koje mogu smanjiti prodaju.\r\n"
    "\r\n"
    " Izvor: World-Class Financial Analysis, Profitcents; udžbenik financija (1999)";

constexpr const char* k33En =
    " \r\n"
    "   Inventory Turnover Ratio\r\n"
    "\r\n"
    "   The ratio shows the annual sales produced for each money unit of inventory, that is, how many times a "
    "year the inventory turns over.\r\n"
    "\r\n"
    "   An extremely low value means capital tied up in inventory. An abnormally high value points to an "
    "inadequate inventory and slow deliveries, which can hurt sales.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents; finance textbook (1999)";

constexpr const char* k34Hr =
    " \r\n"
    "   Prosječno vrijeme obrta zaliha\r\n"
    "\r\n"
    "   Pokazatelj govori koliko je dana poduzeću potrebno za jedan obrtaj zaliha: trajanje razdoblja u danima "
    "podijeljeno s koeficijentom obrtaja zaliha.\r\n"
    "\r\n"
    "   Vrijedi isto tumačenje kao za koeficijent obrtaja zaliha: vrlo dugo vrijeme obrta znači kapital vezan "
    "u zalihama, a neuobičajeno kratko nedovoljne zalihe i spore isporuke, koje mogu smanjiti prodaju.\r\n"
    "\r\n"
    " Izvor: World-Class Financial Analysis, Profitcents; udžbenik financija (1999)";

constexpr const char* k34En =
    " \r\n"
    "   Inventory Processing Period\r\n"
    "\r\n"
    "   This figure tells how many days the business needs for one turnover of its inventory: the length of "
    "the period in days divided by the inventory turnover ratio.\r\n"
    "\r\n"
    "   It is read like the inventory turnover ratio: a very long period means capital tied up in inventory, an "
    "abnormally short one an inadequate inventory and slow deliveries, which can hurt sales.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents; finance textbook (1999)";

constexpr const char* k35Hr =
    " \r\n"
    " Koeficijent obrta potraživanja \r\n"
    "\r\n"
    "   Koeficijent pokazuje koliko se godišnje prodaje ostvaruje na svaku novčanu jedinicu potraživanja od "
    "kupaca.\r\n"
    "\r\n"
    "   Da biste ga ocijenili, usporedite ga s kreditnom politikom poduzeća i s drugim poduzećima iste "
    "djelatnosti.\r\n"
    "\r\n"
    " Izvor: World-Class Financial Analysis, Profitcents; udžbenik financija (1999)";

constexpr const char* k35En =
    " \r\n"
    "   Receivables Turnover Ratio\r\n"
    "\r\n"
    "   The ratio shows the annual sales produced for each money unit of receivables.\r\n"
    "\r\n"
    "   To judge it, compare it with the firm's credit policy and with other firms of the same industry.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents; finance textbook (1999)";

constexpr const char* k36Hr =
    " \r\n"
    " Trajanje naplate potraživanja \r\n"
    "\r\n"
    "   Pokazatelj govori koliko dana traje jedan ciklus naplate potraživanja od kupaca.\r\n"
    "\r\n"
    "   Usporedite ga s kreditnom politikom poduzeća i s prosjekom djelatnosti. Ako je uobičajeno trajanje "
    "naplate u djelatnosti 40 dana, 80 dana upućuje na kupce koji sporo plaćaju i na loša potraživanja, a 20 "
    "dana na prestroge uvjete prodaje na kredit, koji mogu smanjiti prodaju.\r\n"
    "\r\n"
    " Izvor: World-Class Financial Analysis, Profitcents; udžbenik financija (1999)";

constexpr const char* k36En =
    " \r\n"
    "   Receivables Collection Period\r\n"
    "\r\n"
    "   This figure tells how many days one cycle of collecting the receivables takes.\r\n"
    "\r\n"
    "   Compare it with the firm's credit policy and with the industry norm. Where the norm is 40 days, 80 days "
    "point to slow-paying customers and bad debts, while 20 days point to overly strict credit terms that may "
    "hurt sales.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents; finance textbook (1999)";

constexpr const char* k37Hr =
    " \r\n"
    " Koeficijent obrta obveza \r\n"
    "\r\n"
    "   Koeficijent pokazuje koliko se puta godišnje obrnu obveze prema dobavljačima: godišnji troškovi "
    "prodane robe na svaku novčanu jedinicu obveza.\r\n"
    "\r\n"
    "   Usporedite ga s kreditnom politikom poduzeća i s drugim poduzećima iste djelatnosti.\r\n"
    "\r\n"
    " Izvor: World-Class Financial Analysis, Profitcents; udžbenik financija (1999)";

constexpr const char* k37En =
    " \r\n"
    "   Payables Turnover Ratio\r\n"
    "\r\n"
    "   The ratio shows how many times a year the payables turn over: the annual cost of goods sold for each "
    "money unit of payables.\r\n"
    "\r\n"
    "   Compare it with the firm's credit policy and with other firms of the same industry.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents; finance textbook (1999)";

constexpr const char* k38Hr =
    " \r\n"
    " Trajanje plaćanja u danima \r\n"
    "\r\n"
    "   Pokazatelj govori koliko je dana poduzeću potrebno za jedan ciklus plaćanja obveza prema "
    "dobavljačima.\r\n"
    "\r\n"
    "   Usporedite ga s kreditnom politikom poduzeća i s prosjekom djelatnosti.\r\n"
    "\r\n"
    " Izvor: World-Class Financial Analysis, Profitcents; udžbenik financija (1999)";

constexpr const char* k38En =
    " \r\n"
    "   Payables Payment Period\r\n"
    "\r\n"
    "   This figure tells how many days the business takes for one cycle of paying its payables.\r\n"
    "\r\n"
    "   Compare it with the firm's credit policy and with the industry norm.\r\n"
    "\r\n"
    " Source: World-Class Financial Analysis, Profitcents; finance textbook (1999)";

// ---- Profitability --------------------------------------------------------

constexpr const char* k41Hr =
    " \r\n"
    "   Marža profita (neto)\r\n"
    "\r\n"
    "   Što je to?\r\n"
    "\r\n"
    "   Marža profita stavlja u odnos dobit nakon poreza i prihode od prodaje. Pokazuje donosi li prodaja "
    "dovoljno zarade.\r\n"
    "\r\n"
    "   Kada koristiti ovaj koeficijent?\r\n"
    "\r\n"
    "   Kada poduzeće ostaje bez novca, uzrok može biti marža preniska da pokrije troškove. Pratite i trend: "
    "marža koja pada upozorava na financijske teškoće koje tek dolaze.\r\n"
    "\r\n"
    " Izvor: American Express";

constexpr const char* k41En =
    " \r\n"
    "   Return on Sales Ratio\r\n"
    "\r\n"
    "   What it is:\r\n"
    "\r\n"
    "   The ratio compares the after-tax profit with the sales. It tells you whether the sales effort earns "
    "enough.\r\n"
    "\r\n"
    "   When to use it:\r\n"
    "\r\n"
    "   When the business runs short of cash, the cause may be a mark-up too low to cover the expenses. Watch "
    "the trend as well: a falling ratio warns of financial problems to come.\r\n"
    "\r\n"
    " Source: American Express";

constexpr const char* k42Hr =
    " \r\n"
    "   Marža profita (bruto)\r\n"
    "\r\n"
    "   Što je to?\r\n"
    "\r\n"
    "   Marža pokazuje koliko se djelotvorno u proizvodnji koriste materijal i rad: koji dio prihoda od "
    "prodaje ostaje nakon troškova prodane robe.\r\n"
    "\r\n"
    "   Kada koristiti ovaj koeficijent?\r\n"
    "\r\n"
    "   Odgovara na pitanje jesu li proizvodi i usluge ispravno cijenjeni. Marža niža od prosjeka djelatnosti "
    "upućuje na preniske cijene, a visoka marža uz slabo poslovanje na previsoke.\r\n"
    "\r\n"
    " Izvor: American Express";

constexpr const char* k42En =
    " \r\n"
    "   Pre-tax Profit Margin Ratio\r\n"
    "\r\n"
    "   What it is:\r\n"
    "\r\n"
    "   The ratio shows how efficiently materials and labour are used in production: the share of the net "
    "sales left after the cost of goods sold.\r\n"
    "\r\n"
    "   When to use it:\r\n"
    "\r\n"
    "   It answers whether your goods and services are priced properly. A margin low against the industry "
    "means underpricing; a high margin while business is slow means overpricing.\r\n"
    "\r\n"
    " Source: American Express";

constexpr const char* k43Hr =
    " \r\n"
    " Operativna marža profita \r\n"
    "\r\n"
    "   Operativna marža stavlja u odnos operativnu dobit i prihode od prodaje. Njezina promjenjivost kroz "
    "vrijeme glavni je pokazatelj poslovnog rizika poduzeća.\r\n"
    "\r\n"
    " Izvor: udžbenik financija (1999)";

constexpr const char* k43En =
    " \r\n"
    "   Operating Profit Margin\r\n"
    "\r\n"
    "   The operating profit margin relates the operating profit to the sales. Its variability over time is a "
    "prime indicator of the firm's business risk.\r\n"
    "\r\n"
    " Source: finance textbook (1999)";

constexpr const char* k44Hr =
    " \r\n"
    "   Rentabilnost ukupnih sredstava (Return on assets (ROA) ratio)\r\n"
    "\r\n"
    " Što je to?\r\n"
    "\r\n"
    "   Pokazatelj govori koliko se djelotvorno koristi imovina poduzeća: dobit prije kamata i poreza na dobit "
    "u odnosu na ukupni uloženi kapital. Najkorisniji je u usporedbi s kamatnom stopom koju poduzeće plaća na "
    "dug: rentabilnost od 15 posto uz kamatu od 10 posto ostavlja 5 postotnih bodova.\r\n"
    "\r\n"
    "   Kada koristiti ovaj koeficijent?\r\n"
    "\r\n"
    "   Izračunavajte ga svake godine i uspoređujte s prosjekom djelatnosti.\r\n"
    "\r\n"
    " Izvor: American Express";

constexpr const char* k44En =
    " \r\n"
    "   Return on Assets (ROA) Ratio\r\n"
    "\r\n"
    "   What it is:\r\n"
    "\r\n"
    "   The ratio tells how effectively the assets are put to work: the profit before interest and income tax "
    "on the total capital used. It is most useful against the interest rate paid on debt: an ROA of 15 percent "
    "against 10 percent interest leaves 5 points.\r\n"
    "\r\n"
    "   When to use it:\r\n"
    "\r\n"
    "   Compute it every year and compare it with the industry norms.\r\n"
    "\r\n"
    " Source: American Express";

constexpr const char* k46Hr =
    " \r\n"
    "   Rentabilnost vlastitog kapitala\r\n"
    "\r\n"
    "   Neto dobit / Vlastiti kapital\r\n"
    "\r\n"
    "   Pokazatelj je stopa povrata na kapital koji su vlasnici uložili u poslovanje.\r\n"
    "\r\n"
    "   Ako je pretjerano niska, dio bi se kapitala možda bolje mogao uložiti negdje drugdje.";

constexpr const char* k46En =
    " \r\n"
    "   Return on Total Equity\r\n"
    "\r\n"
    "   Net Income / Total Equity\r\n"
    "\r\n"
    "   The ratio is the rate of return on the capital the owners have invested in the business.\r\n"
    "\r\n"
    "   If it is excessively low, some of the capital might be better employed elsewhere.";

constexpr HelpPageDef kPages[] = {
    {kAveragesHelpCode, k1001Hr, k1001En},
    {11, k11Hr, k11En},
    {12, k12Hr, k12En},
    {13, k13Hr, k13En},
    {21, k21Hr, k21En},
    {22, k22Hr, k22En},
    {23, k23Hr, k23En},
    {31, k31Hr, k31En},
    {32, k32Hr, k32En},
    {33, k33Hr, k33En},
    {34, k34Hr, k34En},
    {35, k35Hr, k35En},
    {36, k36Hr, k36En},
    {37, k37Hr, k37En},
    {38, k38Hr, k38En},
    {41, k41Hr, k41En},
    {42, k42Hr, k42En},
    {43, k43Hr, k43En},
    {44, k44Hr, k44En},
    {46, k46Hr, k46En},
};

}  // namespace

std::span<const HelpPageDef> HelpPages() { return kPages; }

bool HasHelpPage(int16_t code) {
  for (const HelpPageDef& p : kPages)
    if (p.code == code) return true;
  return false;
}

std::string UnderConstructionPage(int16_t language) {
  if (language == 1) return " \r\n   Ova stranica je u izradi";
  if (language == 2) return " \r\n   This page is under construction";
  return "";
}

namespace {

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \r");
  if (first == std::string::npos) return "";
  return line.substr(first, line.find_last_not_of(" \r") - first + 1);
}

}  // namespace

int HelpTitleLine(const std::string& page) {
  int index = 0;
  size_t start = 0;
  while (start <= page.size()) {
    const size_t end = std::min(page.find('\n', start), page.size());
    const std::string line = Trimmed(page.substr(start, end - start));
    if (!line.empty()) return line.back() == '.' ? -1 : index;  // a paragraph ends with a full stop
    start = end + 1;
    ++index;
  }
  return -1;
}

bool IsHelpHeading(const std::string& line) {
  const std::string t = Trimmed(line);
  return t == "What it is:" || t == "When to use it:" || t == "Što je to?" || t == "Kada koristiti ovaj koeficijent?";
}

std::string HelpPageText(int16_t code, int16_t language) {
  if (language != 1 && language != 2) return "";
  for (const HelpPageDef& p : kPages)
    if (p.code == code) return language == 1 ? p.hr : p.en;
  return UnderConstructionPage(language);
}

}  // namespace morvadel
