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
  BannerPicture* banner = nullptr;
  QWidget* body = nullptr;
  QBoxLayout* bodyLayout = nullptr;
};

// Lays the window out as banner over body. The Croatian banner is drawn at
// least bannerSize and spans the window; an invalid size leaves its width
// to the body.
WindowFrame BuildWindowFrame(QWidget* window, QSize bannerSize, const QMargins& bodyMargins, int bodySpacing,
                             Qt::Orientation bodyDirection = Qt::Vertical);

// The rule that closes a window at its bottom, the window's full width (at
// least `width`).
RulePicture* AddBottomRule(QWidget* window, QVBoxLayout* layout, int width);

// A button (or any control of a row) that keeps its place in the row while
// it is hidden, so that its neighbours never move when it comes and goes.
void KeepPlaceWhenHidden(QWidget* widget);

// A bold title label: the default font 1.35 times larger, or pointSize
// points when one is given.
QLabel* TitleLabel(QWidget* parent, const QString& text = {}, double pointSize = 0);

// Pixels a grid needs for columns (rows) of the given twips together, its
// frame included; withScrollBar leaves room for the vertical scroll bar.
int GridWidthPx(const QAbstractScrollArea* grid, int columnTwips, bool withScrollBar);
int GridHeightPx(const QAbstractScrollArea* grid, int rowTwips);

struct TitledGrid {
  QLabel* title = nullptr;
  RulePicture* rule = nullptr;
  Grid* grid = nullptr;  // named "Tablica"
  int gridWidth = 0;     // px
};

// A bold title, a rule under it and the grid: at least as wide as its
// columns of columnTwips together, so they fit without a horizontal scroll
// bar while the rows scroll; the grid takes the room of an enlarged window
// and the rule is as wide as the grid.
TitledGrid AddTitledGrid(QWidget* body, QBoxLayout* bodyLayout, int columnTwips);

// The export buttons of a grid window, added to layout side by side:
// spreadsheet (Picture16), web page (Picture18), a new document (Picture17)
// and a page appended to the document (Picture19). The first three carry
// the tooltip " Export ".
void AddExportButtons(QWidget* parent, QBoxLayout* layout, PictureButton*& picture16, PictureButton*& picture17,
                      PictureButton*& picture18, PictureButton*& picture19, int sizePx = 40);

}  // namespace morvadel
