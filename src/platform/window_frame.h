#pragma once
// The scaffolding most windows share: the banner on top, a body with its own
// margins under it, the bold title, the closing rule, and the pixel size a
// grid needs for its twips columns and rows.
#include <QAbstractScrollArea>
#include <QBoxLayout>
#include <QLabel>
#include <QMargins>
#include <QSize>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/grid.h"
#include "platform/pictures.h"

namespace morvadel {

struct WindowFrame {
  QVBoxLayout* layout = nullptr;  // the window's own, without margins
  QLabel* banner = nullptr;
  QWidget* body = nullptr;
  QBoxLayout* bodyLayout = nullptr;
};

// Lays the window out as banner over body. The Croatian banner is drawn at
// bannerSize; an invalid size leaves it empty for the caller to draw once
// the body's width is known.
WindowFrame BuildWindowFrame(QWidget* window, QSize bannerSize, const QMargins& bodyMargins, int bodySpacing,
                             Qt::Orientation bodyDirection = Qt::Vertical);

// The rule that closes a window at its bottom, the window's full width.
QLabel* AddBottomRule(QWidget* window, QVBoxLayout* layout, int width);

// A bold title label: the default font 1.35 times larger, or pointSize
// points when one is given.
QLabel* TitleLabel(QWidget* parent, const QString& text = {}, double pointSize = 0);

// Pixels a grid needs for columns (rows) of the given twips together, its
// frame included; withScrollBar leaves room for the vertical scroll bar.
int GridWidthPx(const QAbstractScrollArea* grid, int columnTwips, bool withScrollBar);
int GridHeightPx(const QAbstractScrollArea* grid, int rowTwips);

struct TitledGrid {
  QLabel* title = nullptr;
  QLabel* rule = nullptr;
  Grid* grid = nullptr;  // named "Tablica"
  int gridWidth = 0;     // px
};

// A bold title, a rule under it and the grid, left-aligned: as wide as its
// columns of columnTwips together, so they fit without a horizontal scroll
// bar while the rows scroll; the rule is as wide as the grid.
TitledGrid AddTitledGrid(QWidget* body, QBoxLayout* bodyLayout, int columnTwips);

// The export buttons of a grid window, added to layout side by side:
// spreadsheet (Picture16), web page (Picture18), a new document (Picture17)
// and a page appended to the document (Picture19). The first three carry
// the tooltip " Export ".
void AddExportButtons(QWidget* parent, QBoxLayout* layout, PictureButton*& picture16, PictureButton*& picture17,
                      PictureButton*& picture18, PictureButton*& picture19, int sizePx = 40);

}  // namespace morvadel
