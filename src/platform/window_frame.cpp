#include "platform/window_frame.h"

#include <QHBoxLayout>
#include <QStyle>

#include "model/shared_state.h"
#include "platform/twips.h"

namespace morvadel {

WindowFrame BuildWindowFrame(QWidget* window, QSize bannerSize, const QMargins& bodyMargins, int bodySpacing,
                             Qt::Orientation bodyDirection) {
  WindowFrame f;
  f.layout = new QVBoxLayout(window);
  f.layout->setContentsMargins(0, 0, 0, 0);
  f.layout->setSpacing(0);
  f.banner = new BannerPicture(kCroatian, bannerSize.isValid() ? bannerSize : QSize(0, 80), window);
  f.layout->addWidget(f.banner);

  f.body = new QWidget(window);
  if (bodyDirection == Qt::Horizontal) f.bodyLayout = new QHBoxLayout(f.body);
  else f.bodyLayout = new QVBoxLayout(f.body);
  f.bodyLayout->setContentsMargins(bodyMargins);
  f.bodyLayout->setSpacing(bodySpacing);
  f.layout->addWidget(f.body);
  return f;
}

RulePicture* AddBottomRule(QWidget* window, QVBoxLayout* layout, int width) {
  auto* rule = new RulePicture(QSize(width, 6), window);
  layout->addWidget(rule);
  layout->addSpacing(4);
  return rule;
}

void KeepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

QLabel* TitleLabel(QWidget* parent, const QString& text, double pointSize) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(pointSize > 0 ? pointSize : font.pointSizeF() * 1.35);
  label->setFont(font);
  return label;
}

int GridWidthPx(const QAbstractScrollArea* grid, int columnTwips, bool withScrollBar) {
  const int extent = withScrollBar ? grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid) : 0;
  return PxFromTwips(columnTwips) + 2 * grid->frameWidth() + extent;
}

int GridHeightPx(const QAbstractScrollArea* grid, int rowTwips) {
  return PxFromTwips(rowTwips) + 2 * grid->frameWidth();
}

TitledGrid AddTitledGrid(QWidget* body, QBoxLayout* bodyLayout, int columnTwips) {
  TitledGrid t;
  t.title = TitleLabel(body);
  bodyLayout->addWidget(t.title);

  t.grid = new Grid(body);
  t.grid->setObjectName("Tablica");
  t.gridWidth = GridWidthPx(t.grid, columnTwips, true);
  t.grid->setMinimumWidth(t.gridWidth);
  t.grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

  t.rule = new RulePicture(QSize(t.gridWidth, 3), body);
  bodyLayout->addWidget(t.rule);
  bodyLayout->addWidget(t.grid, 1);
  return t;
}

void AddExportButtons(QWidget* parent, QBoxLayout* layout, PictureButton*& picture16, PictureButton*& picture17,
                      PictureButton*& picture18, PictureButton*& picture19, int sizePx) {
  picture16 = new PictureButton(IconKind::ExportSheet, parent, sizePx);
  picture18 = new PictureButton(IconKind::ExportWeb, parent, sizePx);
  picture17 = new PictureButton(IconKind::ExportDoc, parent, sizePx);
  picture19 = new PictureButton(IconKind::ExportDocAppend, parent, sizePx);
  for (PictureButton* button : {picture16, picture18, picture17, picture19}) {
    layout->addWidget(button);
    KeepPlaceWhenHidden(button);
  }
  for (PictureButton* button : {picture16, picture17, picture18}) button->setToolTip(" Export ");
}

}  // namespace morvadel
