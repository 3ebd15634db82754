// Draws the program's logo as the desktop's icon theme wants it: a scalable
// SVG and PNGs of the usual sizes, all from the drawing the program shows.
//   draw_icons DIR   writes DIR/scalable/apps/morvadel.svg, DIR/NxN/apps/morvadel.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "platform/pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_icons DIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[1]));

  const QString scalable = dir.filePath("scalable/apps");
  if (!QDir().mkpath(scalable)) return 1;
  {
    // The design square of the program's 64-unit icons.
    constexpr int kSide = 64;
    QSvgGenerator svg;
    svg.setFileName(scalable + "/morvadel.svg");
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle("Morvadel");
    QPainter p;
    if (!p.begin(&svg)) return 1;
    morvadel::DrawLogo(p, kSide);
    if (!p.end()) return 1;
  }
  for (int side : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      morvadel::DrawLogo(p, side);
    }
    const QString folder = dir.filePath(QString("%1x%1/apps").arg(side));
    if (!QDir().mkpath(folder) || !image.save(folder + "/morvadel.png")) return 1;
  }
  return 0;
}
