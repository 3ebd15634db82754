// The program's own pictures: every icon exists, the banners speak their
// language, decorations fill the size asked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>
#include <cstdlib>

#include "platform/pictures.h"

namespace morvadel {
namespace {

const IconKind kAllIcons[] = {
    IconKind::New,       IconKind::Open,           IconKind::Save,      IconKind::SaveAs,   IconKind::Exit,
    IconKind::Print,     IconKind::ExportSheet,    IconKind::ExportWeb, IconKind::ExportDoc, IconKind::ExportDocAppend,
    IconKind::Back,      IconKind::Forward,        IconKind::Previous,  IconKind::Menu,     IconKind::Help,
    IconKind::Continue,  IconKind::Sum,            IconKind::Average,   IconKind::Croatian, IconKind::English,
};

int OpaquePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 0;
  return n;
}

void Shot(const QPixmap& pm, const char* name) {
  if (const char* dir = std::getenv("MORVADEL_SHOTS")) pm.save(QString(dir) + "/" + name + ".png");
}

TEST(Pictures, EveryIconIsDrawnAndTheIconsDiffer) {
  std::vector<QImage> drawn;
  for (IconKind kind : kAllIcons) {
    const QIcon icon = Icon(kind);
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(40, 40).toImage();
    EXPECT_EQ(image.size(), QSize(40, 40));
    EXPECT_GT(OpaquePixels(image), 200) << static_cast<int>(kind);
    for (const QImage& other : drawn) EXPECT_NE(image, other) << static_cast<int>(kind);
    // A disabled button shows the same drawing greyed.
    EXPECT_NE(icon.pixmap(QSize(40, 40), QIcon::Disabled).toImage(), image);
    drawn.push_back(image);
  }
  // All icons in one strip, at button size and small.
  const int n = static_cast<int>(std::size(kAllIcons));
  QPixmap strip(n * 48, 48 + 24 + 44);
  strip.fill(QColor(0xF3, 0xF4, 0xF6));
  QPainter p(&strip);
  for (int i = 0; i < n; ++i) {
    Icon(kAllIcons[i]).paint(&p, QRect(i * 48 + 4, 4, 40, 40));
    Icon(kAllIcons[i]).paint(&p, QRect(i * 48 + 16, 50, 16, 16));
    // Disabled, as the buttons look while no workbook is open.
    p.drawPixmap(i * 48 + 4, 72, Icon(kAllIcons[i]).pixmap(QSize(40, 40), QIcon::Disabled));
  }
  p.end();
  Shot(strip, "icons");
  QPixmap big(10 * 100, 2 * 100);
  big.fill(Qt::white);
  QPainter q(&big);
  for (int i = 0; i < n; ++i) Icon(kAllIcons[i]).paint(&q, QRect(i % 10 * 100 + 4, i / 10 * 100 + 4, 92, 92));
  q.end();
  Shot(big, "icons_large");
}

// The Croatian flag carries its chequered shield: red and white squares
// alternate in the middle of the tricolour, red in the top-left corner.
TEST(Pictures, TheCroatianFlagHasTheChequeredShield) {
  const QImage flag = Icon(IconKind::Croatian).pixmap(128, 128).toImage();  // 2 pixels a unit
  auto isRed = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; };
  auto isWhite = [](QRgb c) { return qRed(c) > 230 && qGreen(c) < 256 && qGreen(c) > 230 && qBlue(c) > 230; };
  const double side = 14.0 / 5;
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 5; ++col) {
      const QPoint centre(static_cast<int>(2 * (25 + (col + 0.5) * side)), static_cast<int>(2 * (12.5 + (row + 0.5) * side)));
      const QRgb pixel = flag.pixel(centre);
      if ((row + col) % 2 == 0)
        EXPECT_TRUE(isRed(pixel)) << row << "," << col;
      else
        EXPECT_TRUE(isWhite(pixel)) << row << "," << col;
    }
  // The English flag has none.
  const QImage english = Icon(IconKind::English).pixmap(128, 128).toImage();
  EXPECT_TRUE(isWhite(english.pixel(2 * 27, 2 * 16)));
  EXPECT_TRUE(isWhite(english.pixel(2 * 27, 2 * 19)));
  Shot(Icon(IconKind::Croatian).pixmap(256, 256), "flag_hr");
}

// A banner spans the window it stands in and can shrink back to its design.
TEST(Pictures, BannerAndRuleAreDrawnForTheWidthTheyAreGiven) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* banner = new BannerPicture(1, QSize(600, 80), &window);
  auto* rule = new RulePicture(QSize(600, 6), &window);
  layout->addWidget(banner);
  layout->addWidget(rule);
  window.resize(600, 120);
  window.show();
  for (int width : {900, 1280, 600}) {
    window.resize(width, 120);
    QApplication::processEvents();
    EXPECT_EQ(banner->pixmap().deviceIndependentSize().toSize(), QSize(width, 80)) << width;
    EXPECT_EQ(rule->pixmap().deviceIndependentSize().toSize(), QSize(width, 6)) << width;
  }
  EXPECT_EQ(banner->minimumSizeHint(), QSize(600, 80));
  const QImage croatian = banner->pixmap().toImage();
  banner->SetLanguage(2);
  EXPECT_EQ(banner->Language(), 2);
  EXPECT_NE(banner->pixmap().toImage(), croatian);
}

TEST(Pictures, BannersFitTheirSizeAndDifferByLanguage) {
  for (QSize size : {QSize(500, 60), QSize(620, 90), QSize(720, 90), QSize(800, 90)}) {
    const QPixmap hr = Banner(1, size), en = Banner(2, size);
    EXPECT_EQ(hr.deviceIndependentSize().toSize(), size);
    EXPECT_EQ(en.deviceIndependentSize().toSize(), size);
    EXPECT_NE(hr.toImage(), en.toImage());
    if (size == QSize(720, 90)) {
      Shot(hr, "banner_hr");
      Shot(en, "banner_en");
    }
    if (size == QSize(500, 60)) Shot(en, "banner_en_small");
  }
}

TEST(Pictures, DecorationsAndSourceCards) {
  const QPixmap rule = Rule(QSize(600, 4));
  EXPECT_EQ(rule.deviceIndependentSize().toSize(), QSize(600, 4));
  EXPECT_GT(OpaquePixels(rule.toImage()), 600);
  std::vector<QImage> cards;
  for (int source = 1; source <= 3; ++source) {
    const QPixmap card = SourcePicture(source, QSize(109, 42));
    EXPECT_EQ(card.deviceIndependentSize().toSize(), QSize(109, 42));
    for (const QImage& other : cards) EXPECT_NE(card.toImage(), other);
    cards.push_back(card.toImage());
    Shot(card, source == 1 ? "source_1" : source == 2 ? "source_2" : "source_3");
  }
}

TEST(Pictures, PictureButtonShowsItsIconFlat) {
  PictureButton button(IconKind::Print, nullptr, 40);
  EXPECT_TRUE(button.autoRaise());
  EXPECT_EQ(button.iconSize(), QSize(40, 40));
  EXPECT_FALSE(button.icon().isNull());
}

}  // namespace
}  // namespace morvadel
