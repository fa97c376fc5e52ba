// Build tool: draws the programs' icons as PNG files of one size.
// Usage: draw_icons <vonk|dalo> <size> <output.png>
//
// Vonk is a funnel that lets three digits through; Dalo is a gold coin with a rising arrow. Both
// sit on a rounded square, drawn in vectors at the asked size so that small sizes stay crisp.
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

namespace {

void DrawGround(QPainter& painter, QColor top, QColor bottom) {
  QLinearGradient ground(0, 0, 0, 100);
  ground.setColorAt(0, top);
  ground.setColorAt(1, bottom);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ground);
  painter.drawRoundedRect(QRectF(4, 4, 92, 92), 18, 18);
}

void DrawVonk(QPainter& painter) {
  DrawGround(painter, QColor(0xd9, 0x3a, 0x2b), QColor(0x8e, 0x16, 0x12));
  QPainterPath funnel;
  funnel.moveTo(18, 30);
  funnel.lineTo(82, 30);
  funnel.lineTo(56, 58);
  funnel.lineTo(56, 80);
  funnel.lineTo(44, 86);
  funnel.lineTo(44, 58);
  funnel.closeSubpath();
  painter.setBrush(QColor(0xff, 0xf6, 0xe8));
  painter.drawPath(funnel);
  painter.setBrush(QColor(0xf6, 0xc2, 0x3b));
  for (const double x : {30.0, 50.0, 70.0}) painter.drawEllipse(QPointF(x, 19), 7, 7);
}

void DrawDalo(QPainter& painter) {
  DrawGround(painter, QColor(0x2b, 0x5d, 0xc9), QColor(0x14, 0x2c, 0x6e));
  QRadialGradient coin(QPointF(42, 40), 40);
  coin.setColorAt(0, QColor(0xff, 0xe0, 0x7a));
  coin.setColorAt(1, QColor(0xd8, 0x98, 0x16));
  painter.setBrush(coin);
  painter.drawEllipse(QPointF(50, 52), 32, 32);
  QPainterPath arrow;
  arrow.moveTo(50, 26);
  arrow.lineTo(68, 48);
  arrow.lineTo(57, 48);
  arrow.lineTo(57, 76);
  arrow.lineTo(43, 76);
  arrow.lineTo(43, 48);
  arrow.lineTo(32, 48);
  arrow.closeSubpath();
  painter.setBrush(QColor(0xc0, 0x1e, 0x1e));
  painter.drawPath(arrow);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: draw_icons <vonk|dalo> <size> <output.png>\n";
    return 2;
  }
  const std::string which = argv[1];
  const int size = std::atoi(argv[2]);
  if ((which != "vonk" && which != "dalo") || size < 16 || size > 1024) {
    std::cerr << "draw_icons: unknown icon or size\n";
    return 2;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    which == "vonk" ? DrawVonk(painter) : DrawDalo(painter);
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::cerr << argv[3] << ": cannot write: " << std::strerror(errno) << "\n";
    return 1;
  }
  return 0;
}
