#include "compare/form16.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"

namespace morvadel {

namespace {

constexpr int kMargin = 20;

struct Captions {
  const char *title, *balance, *income, *cashFlow, *instruction, *clear;
};
constexpr Captions kHr = {"Vrijednosti iz financijskih izvješća - grafički prikaz - izbor",
                          "Bruto bilanca",
                          "Račun dobiti i gubitaka",
                          "Novčani tijek",
                          "Izaberite najviše pet stavki.",
                          "Brisanje izvršenog izbora"};
constexpr Captions kEn = {"Financial Statement Value Graphs - Options",
                          "Balance Sheet",
                          "Income Statement",
                          "Cash Flow",
                          "Select up to 5 accounts",
                          "Clear Account Selections"};

QListWidget* AccountList(QWidget* parent, const QString& name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  // One click selects or deselects one item.
  list->setSelectionMode(QAbstractItemView::MultiSelection);
  list->setMinimumSize(290, 470);
  list->setUniformItemSizes(true);
  return list;
}

}  // namespace

Form16::Form16(AppContext& ctx) : Form(ctx, FormId::Form16) {
  const WindowFrame frame = BuildWindowFrame(this, QSize(), QMargins(kMargin, 12, kMargin, 12), 10);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;

  Label1 = TitleLabel(body);
  bodyLayout->addWidget(Label1);
  Label5 = new QLabel(body);
  bodyLayout->addWidget(Label5);

  auto* lists = new QHBoxLayout;
  lists->setSpacing(14);
  QLabel** captions[] = {&Label2, &Label3, &Label4};
  QListWidget** boxes[] = {&List1, &List2, &List3};
  for (int i = 0; i < 3; ++i) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    *captions[i] = new QLabel(body);
    QFont f = (*captions[i])->font();
    f.setBold(true);
    (*captions[i])->setFont(f);
    *boxes[i] = AccountList(body, QStringLiteral("List%1").arg(i + 1));
    column->addWidget(*captions[i]);
    column->addWidget(*boxes[i]);
    lists->addLayout(column);
    QListWidget* list = *boxes[i];
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, list](const QItemSelection& selected, const QItemSelection&) { SelectionChanged(list, selected); });
  }
  bodyLayout->addLayout(lists);

  auto* commands = new QHBoxLayout;
  Command1 = new QPushButton(body);
  Command1->setMinimumSize(240, 34);
  Command1->setCursor(Qt::PointingHandCursor);
  commands->addWidget(Command1);
  commands->addStretch();
  Picture5 = new PictureButton(IconKind::Continue, body);
  Picture5->setToolTip(" OK ");
  commands->addWidget(Picture5);
  bodyLayout->addLayout(commands);

  // The design's Croatian captions.
  Label1->setText(QString::fromUtf8(kHr.title));
  Label2->setText(QString::fromUtf8(kHr.balance));
  Label3->setText(QString::fromUtf8(kHr.income));
  Label4->setText(QString::fromUtf8(kHr.cashFlow));
  Label5->setText(QString::fromUtf8(kHr.instruction));
  Command1->setText(QString::fromUtf8(kHr.clear));
  const int width = body->sizeHint().width();
  AddBottomRule(this, frame.layout, width);  // the design's rule, Picture3

  connect(Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
  connect(Picture5, &QToolButton::clicked, this, &Form16::Picture5_Click);
}

QListWidget* Form16::List(int list) const {
  switch (list) {
    case kBalanceSheetList: return List1;
    case kIncomeStatementList: return List2;
    case kCashFlowList: return List3;
    default: return nullptr;
  }
}

void Form16::Form_Load() {
  QPalette blue = Label1->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  Label1->setPalette(blue);
  ClearAccountSelections();

  if (s_.Language == kEnglish) {
    Picture1->SetLanguage(kEnglish);
    Label1->setText(QString::fromUtf8(kEn.title));
    Label2->setText(QString::fromUtf8(kEn.balance));
    Label3->setText(QString::fromUtf8(kEn.income));
    Label4->setText(QString::fromUtf8(kEn.cashFlow));
    Label5->setText(QString::fromUtf8(kEn.instruction));
    Command1->setText(QString::fromUtf8(kEn.clear));
  }

  for (int list = kBalanceSheetList; list <= kCashFlowList; ++list) {
    items_[static_cast<size_t>(list - 1)] = AccountListItems(s_, list);
    for (const AccountItem& item : Items(list)) List(list)->addItem(QString::fromStdString(item.label));
  }
}

int Form16::CountSelected() const {
  int count = 0;
  for (QListWidget* list : {List1, List2, List3})
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->isSelected()) ++count;
  return count;
}

int Form16::CountSelectedAndLock() {
  const int count = CountSelected();
  if (count == kMostAccounts)
    for (QListWidget* list : {List1, List2, List3}) list->setEnabled(false);
  return count;
}

void Form16::ClearAccountSelections() {
  for (QListWidget* list : {List1, List2, List3})
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(false);
  for (QListWidget* list : {List1, List2, List3}) list->setEnabled(true);
}

void Form16::SelectionChanged(QListWidget* list, const QItemSelection& selected) {
  if (trimming_) return;
  int count = CountSelected();
  if (count > kMostAccounts) {
    // A range, a drag or select-all went past five: the new picks lowest
    // in the list are refused until five remain.
    QModelIndexList added = selected.indexes();
    std::sort(added.begin(), added.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() > b.row(); });
    trimming_ = true;
    for (const QModelIndex& index : added) {
      if (count <= kMostAccounts) break;
      if (!list->selectionModel()->isSelected(index)) continue;
      list->selectionModel()->select(index, QItemSelectionModel::Deselect);
      --count;
    }
    trimming_ = false;
  }
  CountSelectedAndLock();
}

void Form16::Command1_Click() { ClearAccountSelections(); }

void Form16::Picture5_Click() {
  // Slots in list order: the balance sheet from the top, then the income
  // statement, then the cash flow, whatever the order of the clicks.
  std::vector<int> codes;
  for (int list = kBalanceSheetList; list <= kCashFlowList; ++list) {
    QListWidget* box = List(list);
    for (int i = 0; i < box->count(); ++i)
      if (box->item(i)->isSelected()) codes.push_back(ListCodeBase(list) + Items(list)[static_cast<size_t>(i)].position);
  }
  AssignAccountSlots(s_, codes);
  const ValueGraphFill fill = FillValueGraphBuffers(s_);
  const std::string problems = DescribeValueGraphProblems(s_, fill);
  if (!problems.empty()) ctx_.dialogs.Message(problems, MsgIcon::Warning);
  ctx_.nav.Show(fill.filled == 0 ? FormId::Form2a : FormId::Form55);
}

}  // namespace morvadel
