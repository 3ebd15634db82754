#pragma once
// The value-graph options: up to five accounts picked from the balance
// sheet, income statement and cash-flow lists. OK turns the picks into the
// account slots and graph buffers and opens the value graphs (or the main
// window when nothing is picked).
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <vector>

#include "compare/graphs.h"
#include "platform/form.h"
#include "platform/pictures.h"

class QItemSelection;

namespace morvadel {

// The most accounts the value graphs take.
inline constexpr int kMostAccounts = kGraphSlots;

class Form16 : public Form {
  Q_OBJECT

 public:
  explicit Form16(AppContext& ctx);
  void Form_Load() override;

  void Command1_Click();  // clear the selections
  void Picture5_Click();  // OK

  // Counts the selected items of the three lists; at exactly five it
  // disables all three. Returns the count.
  int CountSelectedAndLock();
  // Deselects every item and enables the three lists.
  void ClearAccountSelections();

  // The list of 1..3 (List1 balance sheet, List2 income statement, List3
  // cash flow) and what its items stand for.
  QListWidget* List(int list) const;
  const std::vector<AccountItem>& Items(int list) const { return items_.at(static_cast<size_t>(list - 1)); }

  BannerPicture* Picture1;  // banner
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
  QListWidget *List1, *List2, *List3;
  QPushButton* Command1;
  PictureButton* Picture5;  // OK

 private:
  // After any change of a list's selection, however it was made: picks
  // beyond five are refused, then the lists are counted and locked at five.
  void SelectionChanged(QListWidget* list, const QItemSelection& selected);
  int CountSelected() const;

  std::array<std::vector<AccountItem>, 3> items_;
  bool trimming_ = false;
};

}  // namespace morvadel
