// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's pictures (button pictures, window icons, the About picture)
// and writes them as PNG files into the folder given on the command line.
//
// The PNG files under resources/pictures are what the program is built with; this
// program is kept so that they can be redrawn. Build and run it by hand:
//
//   g++ -std=c++20 -fPIC DrawPictures.cpp -o draw-pictures $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen ./draw-pictures ../pictures
//
// or configure with -DVELISTA_DRAW_PICTURES=ON and build the target velista_draw_pictures.

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPolygonF>
#include <QtGui/QRadialGradient>
#include <QtCore/QDir>
#include <QtCore/QList>
#include <QtCore/QRandomGenerator>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

QImage blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen pen(const QColor& colour, double width = 1.0) {
  QPen result(colour, width);
  result.setJoinStyle(Qt::RoundJoin);
  result.setCapStyle(Qt::RoundCap);
  return result;
}

// A font that has Cyrillic letters; the pictures must not depend on the desktop's fonts.
QFont letterFont(double pixelSize, bool bold, bool serif = false) {
  QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
  font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
  font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// Fills a path made from a glyph, centred on the given point, so the letter sits exactly
// where it is meant to whatever the font's metrics.
void centredLetter(QPainter& p, const QString& letter, const QFont& font, QPointF centre, const QBrush& brush) {
  QPainterPath path;
  path.addText(0, 0, font, letter);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  p.fillPath(path, brush);
}

// ---------------------------------------------------------------- new text

QImage drawNew() {
  QImage image = blank(32, 32);
  QPainter p(&image);
  smooth(p);
  const double left = 6.5, top = 2.5, right = 25.5, bottom = 29.5, fold = 7.0;

  // A faint shadow to the lower right.
  QPainterPath shadow;
  shadow.moveTo(left + 1.5, bottom + 1.0);
  shadow.lineTo(right + 1.0, bottom + 1.0);
  shadow.lineTo(right + 1.0, top + fold + 1.5);
  p.setPen(pen(QColor(0, 0, 0, 60), 1.0));
  p.drawPath(shadow);

  QPainterPath sheet;
  sheet.moveTo(left, top);
  sheet.lineTo(right - fold, top);
  sheet.lineTo(right, top + fold);
  sheet.lineTo(right, bottom);
  sheet.lineTo(left, bottom);
  sheet.closeSubpath();
  QLinearGradient paper(left, top, right, bottom);
  paper.setColorAt(0.0, QColor(255, 255, 255));
  paper.setColorAt(1.0, QColor(236, 236, 236));
  p.setBrush(paper);
  p.setPen(pen(QColor(72, 72, 72), 1.0));
  p.drawPath(sheet);

  // The folded corner.
  QPainterPath corner;
  corner.moveTo(right - fold, top);
  corner.lineTo(right - fold, top + fold);
  corner.lineTo(right, top + fold);
  corner.closeSubpath();
  QLinearGradient curl(right - fold, top + fold, right - fold / 2, top + fold / 2);
  curl.setColorAt(0.0, QColor(200, 200, 200));
  curl.setColorAt(1.0, QColor(250, 250, 250));
  p.setBrush(curl);
  p.setPen(pen(QColor(72, 72, 72), 1.0));
  p.drawPath(corner);
  return image;
}

// ---------------------------------------------------------------- open

QImage drawOpen() {
  QImage image = blank(32, 32);
  QPainter p(&image);
  smooth(p);
  const QColor outline(122, 88, 8);

  // The back of the folder with its tab.
  QPainterPath back;
  back.moveTo(2.5, 8.5);
  back.lineTo(3.5, 6.5);
  back.lineTo(10.5, 6.5);
  back.lineTo(12.5, 8.5);
  back.lineTo(24.5, 8.5);
  back.lineTo(25.5, 9.5);
  back.lineTo(25.5, 14.5);
  back.lineTo(2.5, 26.5);
  back.closeSubpath();
  QLinearGradient backFill(0, 6, 0, 26);
  backFill.setColorAt(0.0, QColor(236, 192, 64));
  backFill.setColorAt(1.0, QColor(196, 148, 28));
  p.setBrush(backFill);
  p.setPen(pen(outline, 1.0));
  p.drawPath(back);

  // A sheet of paper standing in the folder.
  p.setBrush(QColor(255, 255, 255));
  p.setPen(pen(QColor(128, 128, 128), 1.0));
  p.drawRect(QRectF(6.5, 10.5, 15, 8));
  p.setPen(pen(QColor(176, 176, 176), 1.0));
  p.drawLine(QPointF(8.5, 13), QPointF(19.5, 13));
  p.drawLine(QPointF(8.5, 15.5), QPointF(16.5, 15.5));

  // The front flap, open towards the viewer.
  QPainterPath front;
  front.moveTo(7.5, 14.5);
  front.lineTo(30.5, 14.5);
  front.lineTo(25.5, 26.5);
  front.lineTo(2.5, 26.5);
  front.closeSubpath();
  QLinearGradient frontFill(0, 14, 0, 27);
  frontFill.setColorAt(0.0, QColor(255, 236, 140));
  frontFill.setColorAt(1.0, QColor(244, 200, 64));
  p.setBrush(frontFill);
  p.setPen(pen(outline, 1.0));
  p.drawPath(front);
  p.setPen(pen(QColor(255, 250, 210), 1.0));
  p.drawLine(QPointF(8.5, 15.6), QPointF(29, 15.6));
  return image;
}

// ---------------------------------------------------------------- save

QImage drawSave() {
  QImage image = blank(32, 32);
  QPainter p(&image);
  smooth(p);

  // The body with one corner cut off.
  QPainterPath body;
  body.moveTo(4.5, 3.5);
  body.lineTo(25.5, 3.5);
  body.lineTo(28.5, 6.5);
  body.lineTo(28.5, 27.5);
  body.quadTo(28.5, 28.5, 27.5, 28.5);
  body.lineTo(4.5, 28.5);
  body.quadTo(3.5, 28.5, 3.5, 27.5);
  body.lineTo(3.5, 4.5);
  body.quadTo(3.5, 3.5, 4.5, 3.5);
  QLinearGradient plastic(3, 3, 28, 28);
  plastic.setColorAt(0.0, QColor(62, 86, 168));
  plastic.setColorAt(1.0, QColor(22, 36, 104));
  p.setBrush(plastic);
  p.setPen(pen(QColor(10, 18, 60), 1.0));
  p.drawPath(body);

  // The metal shutter with its window.
  QLinearGradient metal(9, 0, 23, 0);
  metal.setColorAt(0.0, QColor(232, 232, 236));
  metal.setColorAt(0.5, QColor(196, 198, 206));
  metal.setColorAt(1.0, QColor(150, 152, 162));
  p.setBrush(metal);
  p.setPen(pen(QColor(70, 72, 84), 1.0));
  p.drawRect(QRectF(9.5, 3.5, 14, 9));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(28, 32, 52));
  p.drawRect(QRectF(18, 5, 3, 6));

  // The white label.
  p.setBrush(QColor(252, 252, 248));
  p.setPen(pen(QColor(120, 124, 150), 1.0));
  p.drawRoundedRect(QRectF(7.5, 16.5, 17, 12), 1.0, 1.0);
  p.setPen(pen(QColor(120, 150, 210), 1.0));
  p.drawLine(QPointF(9.5, 20), QPointF(22.5, 20));
  p.drawLine(QPointF(9.5, 23), QPointF(22.5, 23));
  p.drawLine(QPointF(9.5, 26), QPointF(17.5, 26));

  // The write-protect hole.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 16, 50));
  p.drawRect(QRectF(4.8, 24.5, 1.8, 2.5));
  return image;
}

// ---------------------------------------------------------------- rotor panel

// A small rotor with a red cross over it: "hide the rotors", not "close" or "delete".
QImage drawRotors() {
  QImage image = blank(32, 32);
  QPainter p(&image);
  smooth(p);
  const QPointF centre(16.0, 16.0);

  // The rotor, face on: a steel toothed rim, a ring of letter marks, the hub.
  QPolygonF rim;
  const int teeth = 14;
  const double pitch = 2 * pi / teeth;
  const auto point = [&](double angle, double radius) {
    return centre + QPointF(std::sin(angle), -std::cos(angle)) * radius;
  };
  for (int i = 0; i < teeth; ++i) {
    const double middle = i * pitch;
    rim << point(middle - 0.40 * pitch, 11.6) << point(middle - 0.16 * pitch, 14.2)
        << point(middle + 0.16 * pitch, 14.2) << point(middle + 0.40 * pitch, 11.6);
  }
  p.setPen(pen(QColor(40, 44, 52), 1.2));
  p.setBrush(QColor(176, 182, 192));
  p.drawPolygon(rim);
  QRadialGradient face(centre - QPointF(3, 3), 12);
  face.setColorAt(0, QColor(120, 140, 190));
  face.setColorAt(1, QColor(30, 44, 96));
  p.setBrush(face);
  p.drawEllipse(centre, 10.0, 10.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 235, 240));
  for (int i = 0; i < 10; ++i)
    p.drawEllipse(point(2 * pi * i / 10, 7.6), 0.9, 0.9);
  p.setPen(pen(QColor(40, 44, 52), 1.0));
  p.setBrush(QColor(200, 204, 210));
  p.drawEllipse(centre, 3.4, 3.4);
  p.setBrush(QColor(40, 44, 52));
  p.drawEllipse(centre, 1.2, 1.2);

  // The cross over it, a little narrower than the rotor so the rim shows at the four sides.
  const QPointF a(6.5, 6.5), b(25.5, 25.5), c(25.5, 6.5), d(6.5, 25.5);
  p.setPen(pen(QColor(110, 0, 0), 6.0));
  p.drawLine(a, b);
  p.drawLine(c, d);
  p.setPen(pen(QColor(218, 24, 24), 4.2));
  p.drawLine(a, b);
  p.drawLine(c, d);
  p.setPen(pen(QColor(255, 120, 110, 200), 1.2));
  p.drawLine(a + QPointF(-0.7, 0.7), b + QPointF(-0.7, 0.7));
  p.drawLine(c + QPointF(-0.7, -0.7), d + QPointF(-0.7, -0.7));
  return image;
}

// ---------------------------------------------------------------- install the rotors

// The sixteen colours of the VGA palette.
const std::array<QRgb, 16> vga = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0), qRgb(255, 255, 255)};

// Makes every pixel either transparent or exactly one of the sixteen colours.
void toSixteenColours(QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = qUnpremultiply(image.pixel(x, y));
      if (qAlpha(pixel) < 128) {
        image.setPixel(x, y, qRgba(0, 0, 0, 0));
        continue;
      }
      QRgb best = vga[0];
      int bestDistance = 1 << 30;
      for (const QRgb colour : vga) {
        const int dr = qRed(pixel) - qRed(colour), dg = qGreen(pixel) - qGreen(colour),
                  db = qBlue(pixel) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
          bestDistance = distance;
          best = colour;
        }
      }
      image.setPixel(x, y, best);
    }
  }
}

// Blackens the edge of whatever is drawn: every pixel of it next to a transparent one.
void outline(QImage& image, QRgb colour) {
  const QImage shape = image.copy();
  const auto empty = [&](int x, int y) {
    return x < 0 || y < 0 || x >= shape.width() || y >= shape.height() || qAlpha(shape.pixel(x, y)) == 0;
  };
  for (int y = 0; y < shape.height(); ++y)
    for (int x = 0; x < shape.width(); ++x)
      if (!empty(x, y) && (empty(x - 1, y) || empty(x + 1, y) || empty(x, y - 1) || empty(x, y + 1)))
        image.setPixel(x, y, colour);
}

QImage drawInstall() {
  QImage image = blank(32, 32);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPointF centre(16.0, 16.0);  // the middle of the picture, between pixels, so the wheel is symmetric

    // The toothed rim: a ring of twelve flat-topped teeth around the disc.
    QPolygonF rim;
    const int teeth = 12;
    const double pitch = 2 * pi / teeth;
    const auto point = [&](double angle, double radius) {
      return centre + QPointF(std::sin(angle), -std::cos(angle)) * radius;
    };
    for (int i = 0; i < teeth; ++i) {
      const double middle = i * pitch;
      rim << point(middle - 0.42 * pitch, 12.8) << point(middle - 0.18 * pitch, 15.6)
          << point(middle + 0.18 * pitch, 15.6) << point(middle + 0.42 * pitch, 12.8);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(vga[7]));
    p.drawPolygon(rim);
    p.end();
    outline(image, vga[0]);
    p.begin(&image);

    // The face of the wheel: a navy ring carrying the letters, shown as white marks.
    p.setBrush(QColor(vga[0]));
    p.drawEllipse(centre, 11.0, 11.0);
    p.setBrush(QColor(vga[1]));
    p.drawEllipse(centre, 10.0, 10.0);
    p.setPen(QColor(vga[15]));
    for (int i = 1; i < 8; ++i) {
      const double angle = 2 * pi * i / 8 - pi / 2;
      const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * 8.0;
      p.drawPoint(QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
    }

    // The hub and its axle, with the red mark the rotor is set by.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(vga[0]));
    p.drawEllipse(centre, 6.0, 6.0);
    p.setBrush(QColor(vga[7]));
    p.drawEllipse(centre, 5.0, 5.0);
    p.setBrush(QColor(vga[15]));
    p.drawRect(QRect(13, 12, 2, 1));
    p.drawRect(QRect(12, 13, 1, 2));
    p.setBrush(QColor(vga[8]));
    p.drawRect(QRect(14, 14, 4, 4));
    p.setBrush(QColor(vga[0]));
    p.drawRect(QRect(15, 15, 2, 2));
    p.setBrush(QColor(vga[12]));
    p.drawRect(QRect(15, 6, 2, 2));

    // A glint on the rim, upper left.
    p.setBrush(QColor(vga[15]));
    p.drawRect(QRect(6, 7, 1, 1));
    p.drawRect(QRect(7, 6, 1, 1));
  }
  toSixteenColours(image);
  return image;
}

// ---------------------------------------------------------------- the run buttons' face

QImage drawRunFace() {
  QImage image(77, 32, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  QLinearGradient face(0, 0, 0, 32);
  face.setColorAt(0.0, QColor(198, 198, 198));
  face.setColorAt(1.0, QColor(188, 188, 188));
  p.fillRect(image.rect(), face);
  return image;
}

// ---------------------------------------------------------------- the program's icon

const QString alphabet = QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");

QImage drawIcon(int size) {
  QImage image = blank(size, size);
  QPainter p(&image);
  smooth(p);
  const double s = size / 32.0;  // Drawn on a 32-unit square and scaled.
  const QPointF centre(size / 2.0, size / 2.0);
  const double outer = size / 2.0 - (size <= 16 ? 0.5 : 1.0 * s);

  // The toothed edge of the wheel (finger grips), from 32 pixels up.
  if (size >= 32) {
    const int teeth = size >= 128 ? 40 : size >= 48 ? 26 : 20;
    QPainterPath grips;
    for (int i = 0; i < teeth; ++i) {
      const double angle = 2 * pi * i / teeth;
      const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * (outer - 1.4 * s);
      grips.addEllipse(at, 1.5 * s, 1.5 * s);
    }
    p.setPen(pen(QColor(8, 16, 56), 0.8 * s));
    p.setBrush(QColor(44, 64, 140));
    p.drawPath(grips);
  }

  const double disc = size >= 32 ? outer - 1.6 * s : outer;
  QRadialGradient blue(centre - QPointF(disc * 0.35, disc * 0.35), disc * 1.6);
  blue.setColorAt(0.0, QColor(72, 100, 196));
  blue.setColorAt(0.6, QColor(24, 44, 132));
  blue.setColorAt(1.0, QColor(10, 20, 80));
  p.setBrush(blue);
  p.setPen(pen(QColor(6, 12, 48), std::max(1.0, 0.8 * s)));
  p.drawEllipse(centre, disc, disc);

  // The lighter ring that carries the letters.
  const double ringOuter = disc * 0.86, ringInner = disc * (size >= 48 ? 0.56 : 0.62);
  QPainterPath ring;
  ring.addEllipse(centre, ringOuter, ringOuter);
  ring.addEllipse(centre, ringInner, ringInner);
  QRadialGradient light(centre - QPointF(ringOuter * 0.3, ringOuter * 0.3), ringOuter * 1.5);
  light.setColorAt(0.0, QColor(214, 226, 250));
  light.setColorAt(1.0, QColor(140, 164, 220));
  p.setBrush(light);
  p.setPen(pen(QColor(14, 26, 90), std::max(0.8, 0.6 * s)));
  p.drawPath(ring);

  // What sits on the ring: letters on the large icons, marks on the smaller ones.
  const double middle = (ringOuter + ringInner) / 2;
  if (size >= 128) {
    const int count = 16;
    const QFont font = letterFont((ringOuter - ringInner) * 0.62, true);
    for (int i = 0; i < count; ++i) {
      const double angle = 2 * pi * i / count - pi / 2;
      const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * middle;
      p.save();
      p.translate(at);
      p.rotate(angle * 180 / pi + 90);
      centredLetter(p, alphabet.mid(i * 2, 1), font, QPointF(0, 0), QColor(20, 32, 96));
      p.restore();
    }
  } else if (size >= 32) {
    const int count = size >= 48 ? 16 : 12;
    p.setPen(pen(QColor(24, 40, 110), size >= 48 ? 1.6 : 1.2));
    for (int i = 0; i < count; ++i) {
      const double angle = 2 * pi * i / count - pi / 2;
      const QPointF dir(std::cos(angle), std::sin(angle));
      const double half = (ringOuter - ringInner) * 0.22;
      p.drawLine(centre + dir * (middle - half), centre + dir * (middle + half));
    }
  }

  // The letter В in the centre, light on the dark middle of the disc.
  if (size <= 16) {
    // At this size the letter is drawn straight onto the pixel grid so it stays sharp.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    static constexpr const char* glyph[] = {"####.", "##.##", "##.##", "####.", "##.##", "##.##", "####."};
    for (int row = 0; row < 7; ++row)
      for (int column = 0; column < 5; ++column)
        if (glyph[row][column] == '#')
          p.drawRect(QRect(6 + column, 5 + row, 1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
  } else {
    QPainterPath path;
    path.addText(0, 0, letterFont(ringInner * 1.6, true), QStringLiteral("В"));
    path.translate(centre - path.boundingRect().center());
    p.fillPath(path.translated(0.6 * s, 0.6 * s), QColor(0, 0, 30, 150));
    p.fillPath(path, QColor(255, 248, 220));
  }

  // A highlight on the upper left of the disc.
  if (size >= 32) {
    QPainterPath shine;
    const double r = (disc + ringOuter) / 2;
    const QRectF arc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    shine.arcMoveTo(arc, 105);
    shine.arcTo(arc, 105, 60);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(255, 255, 255, 90), 0.9 * s));
    p.drawPath(shine);
  }
  return image;
}

// ---------------------------------------------------------------- the About picture

void woodPanel(QPainter& p, const QRectF& area, QRandomGenerator& random) {
  QLinearGradient base(area.topLeft(), area.bottomLeft());
  base.setColorAt(0.0, QColor(92, 52, 26));
  base.setColorAt(1.0, QColor(62, 32, 16));
  p.fillRect(area, base);
  // Grain: long wavy dark and light lines running across.
  p.save();
  p.setClipRect(area);
  for (int i = 0; i < 70; ++i) {
    const double y0 = area.top() + random.bounded(area.height());
    const double amplitude = 0.5 + random.bounded(2.5);
    const double phase = random.bounded(2 * pi);
    const double wave = 30 + random.bounded(60.0);
    QPainterPath line;
    line.moveTo(area.left(), y0 + amplitude * std::sin(phase));
    for (double x = area.left(); x <= area.right() + 4; x += 3)
      line.lineTo(x, y0 + amplitude * std::sin(phase + x / wave * 2 * pi));
    const bool dark = random.bounded(3) != 0;
    p.setPen(QPen(dark ? QColor(40, 18, 6, 60 + random.bounded(60)) : QColor(150, 96, 54, 30 + random.bounded(40)),
                  0.6 + random.bounded(1.2)));
    p.drawPath(line);
  }
  p.restore();
}

// One rotor seen from above: a cylinder lying across the machine, its rim carrying the
// alphabet, the letter under the window in the middle.
void rotorFromAbove(QPainter& p, const QRectF& area, int shown) {
  // The cylinder: shaded so its curve shows.
  QLinearGradient drum(area.topLeft(), area.bottomLeft());
  drum.setColorAt(0.0, QColor(30, 26, 22));
  drum.setColorAt(0.18, QColor(150, 140, 124));
  drum.setColorAt(0.42, QColor(236, 230, 214));
  drum.setColorAt(0.5, QColor(248, 244, 232));
  drum.setColorAt(0.58, QColor(236, 230, 214));
  drum.setColorAt(0.82, QColor(150, 140, 124));
  drum.setColorAt(1.0, QColor(30, 26, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(drum);
  p.drawRoundedRect(area, 3, 3);

  // Letters on the rim: squeezed towards the edges where the rim turns away.
  const double centreY = area.center().y(), radius = area.height() / 2;
  const int n = static_cast<int>(alphabet.size());
  for (int k = -3; k <= 3; ++k) {
    const double angle = k * 2 * pi / 20;  // the letters' spacing on the rim
    if (std::abs(angle) >= pi / 2 - 0.05)
      continue;
    const double y = centreY + radius * std::sin(angle);
    const double squash = std::cos(angle);
    const QString letter = alphabet.mid(((shown + k) % n + n) % n, 1);
    p.save();
    p.translate(area.center().x(), y);
    p.scale(1.0, squash);
    const QFont font = letterFont(11, true, true);
    const double shade = 40 + 140 * (1 - squash);  // letters fade where the rim turns away
    centredLetter(p, letter, font, QPointF(0, 0), QColor::fromRgbF(static_cast<float>(shade / 255), static_cast<float>(shade * 0.9 / 255), static_cast<float>(shade * 0.8 / 255)));
    p.restore();
  }

  // Ribs along both sides of the drum (the rotor's toothed thumb wheel).
  p.setPen(QPen(QColor(20, 18, 16, 140), 0.8));
  for (const double x : {area.left() + 2.5, area.right() - 2.5})
    p.drawLine(QPointF(x, area.top() + 2), QPointF(x, area.bottom() - 2));
}

QImage drawAbout() {
  const int width = 195, height = 236;
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  smooth(p);
  QRandomGenerator random(1937);

  // The wooden box.
  woodPanel(p, QRectF(0, 0, width, height), random);
  p.setPen(QPen(QColor(30, 14, 4), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, width - 2, height - 2));
  p.setPen(QPen(QColor(160, 104, 60, 120), 1));
  p.drawLine(QPointF(2.5, 2.5), QPointF(width - 3, 2.5));
  p.drawLine(QPointF(2.5, 2.5), QPointF(2.5, height - 3));

  // The metal deck set into the box.
  const QRectF deck(12, 12, width - 24, height - 24);
  QLinearGradient steel(deck.topLeft(), deck.bottomRight());
  steel.setColorAt(0.0, QColor(58, 62, 66));
  steel.setColorAt(1.0, QColor(30, 32, 36));
  p.setPen(QPen(QColor(12, 12, 14), 1.5));
  p.setBrush(steel);
  p.drawRoundedRect(deck, 5, 5);
  p.setPen(QPen(QColor(110, 114, 120, 140), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(deck.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);

  // Screws in the deck's corners.
  for (const QPointF at : {deck.topLeft() + QPointF(7, 7), deck.topRight() + QPointF(-7, 7),
                           deck.bottomLeft() + QPointF(7, -7), deck.bottomRight() + QPointF(-7, -7)}) {
    QRadialGradient head(at - QPointF(1, 1), 3.5);
    head.setColorAt(0.0, QColor(220, 216, 200));
    head.setColorAt(1.0, QColor(110, 104, 90));
    p.setPen(QPen(QColor(20, 20, 20), 0.8));
    p.setBrush(head);
    p.drawEllipse(at, 3, 3);
    p.setPen(QPen(QColor(50, 46, 40), 0.9));
    p.drawLine(at + QPointF(-2, 1.2), at + QPointF(2, -1.2));
  }

  // The brass name plate.
  const QRectF plate(width / 2.0 - 44, 22, 88, 18);
  QLinearGradient brass(plate.topLeft(), plate.bottomLeft());
  brass.setColorAt(0.0, QColor(238, 208, 120));
  brass.setColorAt(0.5, QColor(200, 160, 70));
  brass.setColorAt(1.0, QColor(150, 110, 40));
  p.setPen(QPen(QColor(80, 56, 16), 1));
  p.setBrush(brass);
  p.drawRoundedRect(plate, 2, 2);
  {
    QPainterPath name;
    name.addText(0, 0, letterFont(12, true, true), QStringLiteral("ВЕЛИСТА"));
    name.translate(plate.center() - name.boundingRect().center());
    p.fillPath(name.translated(0.6, 0.6), QColor(255, 236, 170, 160));
    p.fillPath(name, QColor(70, 44, 10));
  }

  // The rotor well: five rotors side by side, a window line across them.
  const QRectF well(24, 50, width - 48, 98);
  p.setPen(QPen(QColor(8, 8, 10), 1.2));
  p.setBrush(QColor(14, 14, 16));
  p.drawRoundedRect(well, 3, 3);
  const int rotors = 5;
  const double gap = 4, rotorWidth = (well.width() - gap * (rotors + 1)) / rotors;
  const std::array<int, rotors> shown = {2, 17, 11, 4, 29};  // В С Л Д Э
  for (int i = 0; i < rotors; ++i) {
    const QRectF area(well.left() + gap + i * (rotorWidth + gap), well.top() + 4, rotorWidth, well.height() - 8);
    rotorFromAbove(p, area, shown[static_cast<std::size_t>(i)]);
  }
  // The reading window: a thin red line with brass brackets.
  const double windowY = well.center().y();
  p.setPen(QPen(QColor(200, 30, 20, 170), 1));
  p.drawLine(QPointF(well.left() + 2, windowY - 8), QPointF(well.right() - 2, windowY - 8));
  p.drawLine(QPointF(well.left() + 2, windowY + 8), QPointF(well.right() - 2, windowY + 8));
  for (const double x : {well.left() - 6, well.right() + 1}) {
    p.setPen(QPen(QColor(80, 56, 16), 0.8));
    p.setBrush(brass);
    QPolygonF arrow;
    if (x < well.left())
      arrow << QPointF(x, windowY - 4) << QPointF(x + 5, windowY) << QPointF(x, windowY + 4);
    else
      arrow << QPointF(x + 5, windowY - 4) << QPointF(x, windowY) << QPointF(x + 5, windowY + 4);
    p.drawPolygon(arrow);
  }

  // The lamp panel and keyboard: three rows of round keys.
  const QString rows[3] = {QStringLiteral("ЙЦУКЕНГШЩ"), QStringLiteral("ФЫВАПРОЛД"), QStringLiteral("ЯЧСМИТЬБЮ")};
  const double keyRadius = 7.0, keyStep = 16.0;
  const QFont keyFont = letterFont(8, true);
  for (int row = 0; row < 3; ++row) {
    const int count = static_cast<int>(rows[row].size());
    const double rowWidth = (count - 1) * keyStep;
    const double x0 = width / 2.0 - rowWidth / 2 + (row == 1 ? 0 : (row == 0 ? -3 : 3));
    const double y = 168 + row * 19;
    for (int k = 0; k < count; ++k) {
      const QPointF at(x0 + k * keyStep, y);
      const bool lit = (row == 1 && k == 2);  // the lamp of В lit
      // The key's skirt and shadow.
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 110));
      p.drawEllipse(at + QPointF(1.2, 1.6), keyRadius, keyRadius);
      QRadialGradient cap(at - QPointF(2.2, 2.2), keyRadius * 1.5);
      if (lit) {
        cap.setColorAt(0.0, QColor(255, 250, 190));
        cap.setColorAt(0.7, QColor(250, 200, 70));
        cap.setColorAt(1.0, QColor(190, 120, 20));
      } else {
        cap.setColorAt(0.0, QColor(90, 90, 94));
        cap.setColorAt(1.0, QColor(16, 16, 18));
      }
      p.setPen(QPen(QColor(170, 164, 150), 1.1));  // the nickel ring around each key
      p.setBrush(cap);
      p.drawEllipse(at, keyRadius, keyRadius);
      centredLetter(p, rows[row].mid(k, 1), keyFont, at, lit ? QColor(90, 40, 0) : QColor(236, 232, 220));
    }
  }
  return image;
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  QDir folder(arguments.at(1));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "could not make the folder %s\n", qPrintable(folder.path()));
    return 1;
  }

  // The sixteen-colour picture is stored with exactly those colours as its palette.
  QList<QRgb> palette(vga.begin(), vga.end());
  palette.append(qRgba(0, 0, 0, 0));
  const QImage install = drawInstall().convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
  const QImage about = drawAbout().convertToFormat(QImage::Format_RGB888);

  bool ok = true;
  ok = save(drawNew(), folder, QStringLiteral("new.png")) && ok;
  ok = save(drawOpen(), folder, QStringLiteral("open.png")) && ok;
  ok = save(drawSave(), folder, QStringLiteral("save.png")) && ok;
  ok = save(drawRotors(), folder, QStringLiteral("rotors.png")) && ok;
  ok = save(install, folder, QStringLiteral("install.png")) && ok;
  ok = save(drawRunFace().convertToFormat(QImage::Format_RGB888), folder, QStringLiteral("run-face.png")) && ok;
  for (const int size : {16, 32, 48, 128})
    ok = save(drawIcon(size), folder, QStringLiteral("velista-%1.png").arg(size)) && ok;
  ok = save(about, folder, QStringLiteral("about.png")) && ok;
  return ok ? 0 : 1;
}
