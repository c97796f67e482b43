// Build and run by hand from the repository root (the PNGs it writes are committed):
//   g++ -std=c++20 -O1 -fPIC tools/pictures/MakePictures.cpp -Isrc $(pkg-config --cflags --libs Qt6Gui) -o /tmp/MakePictures && QT_QPA_PLATFORM=offscreen /tmp/MakePictures assets
//
// Draws every picture the program shows: the twelve sign glyphs, the chart wheel,
// the six chakra emblems, the four toolbar pictures and the program icon, each at
// 100% and at 200% (the "@2x" files). Everything is drawn with QPainter from
// shapes and the zodiac symbols of the installed DejaVu Sans font.
#include <QColor>
#include <QConicalGradient>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

#include "chart/WheelGeometry.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

QString gOut;

// Draws a picture of the given logical size at scale 1 and 2 and saves both.
void Save(const QString& path, int width, int height, const std::function<void(QPainter&)>& draw) {
  for (int scale : {1, 2}) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::TextAntialiasing);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.scale(scale, scale);
      draw(p);
    }
    QString file = gOut + QLatin1Char('/') + path;
    if (scale == 2) file.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    QDir().mkpath(QFileInfo(file).path());
    if (!image.save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  }
}

QFont SymbolFont(double pixelSize, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
  font.setBold(bold);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
  return font;
}

// Draws text centred on a point, using the glyph's ink box rather than the line box.
void CentredText(QPainter& p, const QString& text, QPointF centre, const QFont& font, const QColor& colour) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  p.fillPath(path, colour);
}

// ---------------------------------------------------------------------------
// Sign glyphs: a rounded tile in the colour of the sign's element with the
// zodiac symbol in white.

struct Sign {
  const char* file;
  char16_t symbol;
  int element;  // 0 fire, 1 earth, 2 air, 3 water
};

constexpr std::array<Sign, 12> kSigns{{
    {"aries", u'\u2648', 0},     {"taurus", u'\u2649', 1},   {"gemini", u'\u264A', 2},
    {"cancer", u'\u264B', 3},    {"leo", u'\u264C', 0},      {"virgo", u'\u264D', 1},
    {"libra", u'\u264E', 2},     {"scorpio", u'\u264F', 3},  {"sagittarius", u'\u2650', 0},
    {"capricorn", u'\u2651', 1}, {"aquarius", u'\u2652', 2}, {"pisces", u'\u2653', 3},
}};

QColor ElementColour(int element) {
  switch (element) {
    case 0: return QColor(214, 48, 32);    // fire
    case 1: return QColor(46, 125, 50);    // earth
    case 2: return QColor(30, 136, 229);   // air
    default: return QColor(63, 57, 170);   // water
  }
}

void DrawSign(QPainter& p, const Sign& sign) {
  const QColor base = ElementColour(sign.element);
  QLinearGradient fill(0, 0, 0, 20);
  fill.setColorAt(0, base.lighter(125));
  fill.setColorAt(1, base.darker(115));
  p.setPen(QPen(base.darker(160), 0.8));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.4, 0.4, 19.2, 19.2), 3.5, 3.5);
  CentredText(p, QString(QChar(sign.symbol)), QPointF(10, 10), SymbolFont(15, true), Qt::white);
}

// ---------------------------------------------------------------------------
// The wheel (450 x 431): twelve orange segments around an inner circle with an
// emblem, a spectrum band with degree ticks, and marks at the ends of the axes.
// Houses run counter-clockwise from the left end of the horizontal axis; house
// numbers stand small in each segment next to the inner circle.

// Its geometry is the one the chart window lays the houses out on.
using wheel::HouseStart;
using wheel::kBandOuterRadius;
using wheel::kCentreX;
using wheel::kCentreY;
using wheel::kDiscRadius;
using wheel::kHouseSpan;
using wheel::kInnerRadius;
using wheel::kNumbersRadius;
using wheel::Polar;

void DrawLotus(QPainter& p, QPointF centre, double radius, int petals, const QColor& petal,
               const QColor& edge, double rotation = 90.0) {
  for (int i = 0; i < petals; ++i) {
    const double angle = rotation + 360.0 * i / petals;
    p.save();
    p.translate(centre);
    p.rotate(-angle);
    QPainterPath leaf;
    const double len = radius;
    const double w = radius * std::sin(kPi / petals) * 1.05;
    leaf.moveTo(0, 0);
    leaf.cubicTo(len * 0.35, -w, len * 0.8, -w * 0.8, len, 0);
    leaf.cubicTo(len * 0.8, w * 0.8, len * 0.35, w, 0, 0);
    p.setPen(QPen(edge, radius / 40.0 + 0.4));
    p.setBrush(petal);
    p.drawPath(leaf);
    p.restore();
  }
}

void DrawWheel(QPainter& p) {
  const QPointF c(kCentreX, kCentreY);

  // Spectrum band, shaded once round the circle.
  QConicalGradient spectrum(c, 0);
  for (int i = 0; i <= 12; ++i) {
    spectrum.setColorAt(i / 12.0, QColor::fromHsvF(std::fmod(i / 12.0, 1.0), 0.55, 1.0));
  }
  QPainterPath band;
  band.addEllipse(c, kBandOuterRadius, kBandOuterRadius);
  band.addEllipse(c, kDiscRadius, kDiscRadius);
  p.fillPath(band, spectrum);

  // Degree ticks: every degree short, every fifth longer, every tenth longer still.
  for (int d = 0; d < 360; ++d) {
    double len = 3.0;
    double width = 0.6;
    if (d % 10 == 0) {
      len = 7.0;
      width = 0.9;
    } else if (d % 5 == 0) {
      len = 5.0;
      width = 0.8;
    }
    p.setPen(QPen(QColor(90, 40, 20, 200), width));
    p.drawLine(Polar(kBandOuterRadius, d), Polar(kBandOuterRadius - len, d));
    p.drawLine(Polar(kDiscRadius, d), Polar(kDiscRadius + len * 0.6, d));
  }
  p.setPen(QPen(QColor(120, 50, 10), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, kBandOuterRadius, kBandOuterRadius);

  // Orange disc in twelve segments, alternating two shades, lit from the centre.
  for (int h = 0; h < 12; ++h) {
    const double start = HouseStart(h);
    QPainterPath segment;
    segment.moveTo(Polar(kInnerRadius, start));
    segment.arcTo(QRectF(kCentreX - kDiscRadius, kCentreY - kDiscRadius, 2 * kDiscRadius, 2 * kDiscRadius), start, kHouseSpan);
    segment.arcTo(QRectF(kCentreX - kInnerRadius, kCentreY - kInnerRadius, 2 * kInnerRadius, 2 * kInnerRadius), start + kHouseSpan, -kHouseSpan);
    segment.closeSubpath();
    QRadialGradient glow(c, kDiscRadius);
    const QColor shade = (h % 2 == 0) ? QColor(255, 176, 64) : QColor(255, 160, 40);
    glow.setColorAt(0.0, shade.lighter(118));
    glow.setColorAt(0.75, shade);
    glow.setColorAt(1.0, shade.darker(108));
    p.fillPath(segment, glow);
  }
  // Segment boundaries; the two axes a little stronger.
  for (int h = 0; h < 12; ++h) {
    const double angle = kHouseSpan * h;
    const bool axis = h % 3 == 0;
    p.setPen(QPen(axis ? QColor(140, 50, 0) : QColor(190, 90, 10), axis ? 1.6 : 1.0));
    p.drawLine(Polar(kInnerRadius, angle), Polar(kDiscRadius, angle));
  }
  p.setPen(QPen(QColor(150, 60, 0), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, kDiscRadius, kDiscRadius);

  // House numbers, small, inside each segment next to the inner circle.
  const QFont numberFont = SymbolFont(11, true);
  for (int h = 0; h < 12; ++h) {
    const double mid = HouseStart(h) + kHouseSpan / 2;
    CentredText(p, QString::number(h + 1), Polar(kNumbersRadius, mid), numberFont, QColor(150, 62, 0));
  }

  // Inner circle with the emblem: a lotus of eight petals round a golden seed.
  QRadialGradient centre(c, kInnerRadius);
  centre.setColorAt(0, QColor(255, 250, 235));
  centre.setColorAt(1, QColor(255, 226, 170));
  p.setPen(QPen(QColor(150, 60, 0), 1.6));
  p.setBrush(centre);
  p.drawEllipse(c, kInnerRadius, kInnerRadius);
  DrawLotus(p, c, kInnerRadius * 0.78, 8, QColor(236, 98, 120, 220), QColor(150, 30, 60), 90.0);
  DrawLotus(p, c, kInnerRadius * 0.55, 8, QColor(250, 170, 180, 230), QColor(170, 50, 80), 112.5);
  QRadialGradient seed(c, 11);
  seed.setColorAt(0, QColor(255, 236, 120));
  seed.setColorAt(1, QColor(220, 150, 20));
  p.setPen(QPen(QColor(150, 80, 0), 1.0));
  p.setBrush(seed);
  p.drawEllipse(c, 10.0, 10.0);
  CentredText(p, QString(QChar(u'\u2609')), c, SymbolFont(13, true), QColor(150, 60, 0));

  // Marks at the ends of the horizontal and vertical axes: small dark wedges on
  // the band pointing at the centre.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 20, 20));
  for (int d = 0; d < 360; d += 90) {
    QPainterPath wedge;
    wedge.moveTo(Polar(kDiscRadius + 1.0, d));
    wedge.lineTo(Polar(kBandOuterRadius + 0.5, d + 2.6));
    wedge.lineTo(Polar(kBandOuterRadius + 0.5, d - 2.6));
    wedge.closeSubpath();
    p.drawPath(wedge);
  }
  // Outside the band, where the picture leaves room: left and right arrow heads.
  for (int d : {0, 180}) {
    QPainterPath head;
    head.moveTo(Polar(kBandOuterRadius + 1.5, d));
    head.lineTo(Polar(kBandOuterRadius + 10.0, d + 2.2));
    head.lineTo(Polar(kBandOuterRadius + 10.0, d - 2.2));
    head.closeSubpath();
    p.drawPath(head);
  }
}

// ---------------------------------------------------------------------------
// Chakra emblems (40 x 40): a ring of petals in the row colour round a circle
// holding the chakra's figure.

struct Chakra {
  int petals;
  QColor row;   // the row colour of the chart window
  QColor deep;  // the same hue, deepened for outlines and figures
  int figure;   // 0 circle, 1 crescent moon... see DrawChakra
};

void DrawChakra(QPainter& p, int index) {
  static const std::array<Chakra, 6> chakras{{
      {2, QColor(255, 192, 255), QColor(120, 40, 150), 0},   // Ajna
      {16, QColor(192, 192, 255), QColor(40, 60, 170), 1},   // Vishuddha
      {12, QColor(192, 255, 255), QColor(0, 120, 130), 2},   // Anahata
      {10, QColor(192, 255, 192), QColor(30, 120, 40), 3},   // Manipura
      {6, QColor(255, 255, 192), QColor(160, 130, 0), 4},    // Svadhisthana
      {4, QColor(255, 224, 192), QColor(190, 80, 10), 5},    // Muladhara
  }};
  const Chakra& k = chakras[static_cast<std::size_t>(index)];
  const QPointF c(20, 20);

  if (k.petals == 2) {
    // Two wide wings left and right.
    for (int side : {-1, 1}) {
      QPainterPath wing;
      wing.moveTo(20, 14);
      wing.cubicTo(20 + side * 12, 6, 20 + side * 20, 12, 20 + side * 19.2, 20);
      wing.cubicTo(20 + side * 20, 28, 20 + side * 12, 34, 20, 26);
      wing.closeSubpath();
      p.setPen(QPen(k.deep, 1.0));
      p.setBrush(k.row);
      p.drawPath(wing);
    }
  } else {
    DrawLotus(p, c, 19.2, k.petals, k.row, k.deep, 90.0 + 180.0 / k.petals);
  }

  const double r = k.petals == 2 ? 10.5 : 11.5;
  QRadialGradient disc(c, r);
  disc.setColorAt(0, Qt::white);
  disc.setColorAt(1, k.row);
  p.setPen(QPen(k.deep, 1.3));
  p.setBrush(disc);
  p.drawEllipse(c, r, r);

  p.setPen(QPen(k.deep, 1.2));
  p.setBrush(Qt::NoBrush);
  const double s = r * 0.62;
  switch (k.figure) {
    case 0:  // a single eye of insight: a dot within a circle
      p.drawEllipse(c, s, s);
      p.setBrush(k.deep);
      p.drawEllipse(c, 2.2, 2.2);
      break;
    case 1:  // the lunar circle
      p.setBrush(QColor(255, 255, 255));
      p.drawEllipse(c, s, s);
      break;
    case 2: {  // two interlaced triangles
      for (double rot : {90.0, -90.0}) {
        QPolygonF tri;
        for (int i = 0; i < 3; ++i) {
          const double a = (rot + 120.0 * i) * kPi / 180.0;
          tri << QPointF(20 + s * std::cos(a), 20 - s * std::sin(a));
        }
        p.drawPolygon(tri);
      }
      break;
    }
    case 3: {  // a downward triangle
      QPolygonF tri;
      for (int i = 0; i < 3; ++i) {
        const double a = (-90.0 + 120.0 * i) * kPi / 180.0;
        tri << QPointF(20 + s * std::cos(a), 20 - s * std::sin(a));
      }
      p.setBrush(QColor(k.deep.red(), k.deep.green(), k.deep.blue(), 70));
      p.drawPolygon(tri);
      break;
    }
    case 4: {  // a crescent moon
      QPainterPath moon;
      moon.addEllipse(c, s, s);
      QPainterPath bite;
      bite.addEllipse(QPointF(20, 20 - s * 0.45), s * 0.9, s * 0.9);
      p.setPen(Qt::NoPen);
      p.setBrush(k.deep);
      p.drawPath(moon.subtracted(bite));
      break;
    }
    default: {  // a square
      p.setBrush(QColor(k.deep.red(), k.deep.green(), k.deep.blue(), 60));
      p.drawRect(QRectF(20 - s * 0.78, 20 - s * 0.78, s * 1.56, s * 1.56));
      break;
    }
  }
}

// ---------------------------------------------------------------------------
// Toolbar pictures (16 x 16).

void DrawNew(QPainter& p) {
  QPainterPath page;
  page.moveTo(3.5, 1.5);
  page.lineTo(10.0, 1.5);
  page.lineTo(13.5, 5.0);
  page.lineTo(13.5, 14.5);
  page.lineTo(3.5, 14.5);
  page.closeSubpath();
  p.setPen(QPen(QColor(90, 100, 120), 1.0));
  p.setBrush(Qt::white);
  p.drawPath(page);
  QPainterPath fold;
  fold.moveTo(10.0, 1.5);
  fold.lineTo(10.0, 5.0);
  fold.lineTo(13.5, 5.0);
  p.setBrush(QColor(220, 225, 235));
  p.drawPath(fold);
  // A small gold star for a fresh chart.
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? 3.6 : 1.5;
    const double a = (90.0 + 36.0 * i) * kPi / 180.0;
    star << QPointF(8.3 + radius * std::cos(a), 9.8 - radius * std::sin(a));
  }
  p.setPen(QPen(QColor(190, 120, 0), 0.6));
  p.setBrush(QColor(255, 196, 30));
  p.drawPolygon(star);
}

void DrawSave(QPainter& p) {
  p.setPen(QPen(QColor(20, 50, 110), 1.0));
  p.setBrush(QColor(50, 100, 190));
  QPainterPath body;
  body.moveTo(1.5, 1.5);
  body.lineTo(12.5, 1.5);
  body.lineTo(14.5, 3.5);
  body.lineTo(14.5, 14.5);
  body.lineTo(1.5, 14.5);
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 240, 248));
  p.drawRect(QRectF(4, 2, 8, 5));     // label
  p.setBrush(QColor(50, 100, 190));
  p.drawRect(QRectF(9.5, 2.8, 1.6, 3.4));  // shutter slot
  p.setBrush(QColor(200, 210, 225));
  p.drawRect(QRectF(4, 9.5, 8, 4.5));  // metal shutter
}

void DrawPrint(QPainter& p) {
  p.setPen(QPen(QColor(80, 80, 90), 1.0));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));  // paper in
  QLinearGradient body(0, 6, 0, 12);
  body.setColorAt(0, QColor(200, 200, 208));
  body.setColorAt(1, QColor(140, 140, 152));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.2, 1.2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 10.5, 7, 4));  // paper out
  p.setPen(QPen(QColor(120, 120, 130), 0.8));
  p.drawLine(QPointF(5.8, 12.3), QPointF(10.2, 12.3));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 190, 60));
  p.drawEllipse(QPointF(12.4, 8.4), 0.9, 0.9);
}

void DrawHelp(QPainter& p) {
  QRadialGradient ball(QPointF(6.5, 5.5), 9);
  ball.setColorAt(0, QColor(110, 170, 255));
  ball.setColorAt(1, QColor(20, 80, 190));
  p.setPen(QPen(QColor(15, 55, 140), 0.9));
  p.setBrush(ball);
  p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
  CentredText(p, QStringLiteral("?"), QPointF(8, 8.2), SymbolFont(11.5, true), Qt::white);
}

// ---------------------------------------------------------------------------
// Program icon: a small wheel with a lotus centre.

void DrawIcon(QPainter& p, double size) {
  const QPointF c(size / 2, size / 2);
  const double outer = size * 0.48;
  QConicalGradient spectrum(c, 0);
  for (int i = 0; i <= 12; ++i) {
    spectrum.setColorAt(i / 12.0, QColor::fromHsvF(std::fmod(i / 12.0, 1.0), 0.7, 1.0));
  }
  p.setPen(QPen(QColor(120, 50, 10), size / 48.0));
  p.setBrush(spectrum);
  p.drawEllipse(c, outer, outer);
  const double disc = outer * 0.8;
  QRadialGradient glow(c, disc);
  glow.setColorAt(0, QColor(255, 205, 110));
  glow.setColorAt(1, QColor(245, 140, 20));
  p.setBrush(glow);
  p.drawEllipse(c, disc, disc);
  p.setPen(QPen(QColor(170, 70, 0), size / 64.0));
  for (int i = 0; i < 12; ++i) {
    const double a = 30.0 * i * kPi / 180.0;
    p.drawLine(QPointF(c.x() + disc * 0.42 * std::cos(a), c.y() - disc * 0.42 * std::sin(a)),
               QPointF(c.x() + disc * std::cos(a), c.y() - disc * std::sin(a)));
  }
  p.setBrush(QColor(255, 248, 230));
  p.setPen(QPen(QColor(150, 60, 0), size / 64.0));
  p.drawEllipse(c, disc * 0.42, disc * 0.42);
  DrawLotus(p, c, disc * 0.36, 8, QColor(236, 98, 120), QColor(150, 30, 60), 90.0);
  p.setBrush(QColor(255, 210, 60));
  p.drawEllipse(c, disc * 0.09, disc * 0.09);
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  gOut = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");

  for (const Sign& sign : kSigns) {
    Save(QStringLiteral("signs/%1.png").arg(QLatin1String(sign.file)), 20, 20,
         [&](QPainter& p) { DrawSign(p, sign); });
  }
  Save(QStringLiteral("wheel.png"), wheel::kWidth, wheel::kHeight, DrawWheel);
  for (int i = 0; i < 6; ++i) {
    Save(QStringLiteral("chakra/%1.png").arg(i + 1), 40, 40, [i](QPainter& p) { DrawChakra(p, i); });
  }
  Save(QStringLiteral("toolbar/new.png"), 16, 16, DrawNew);
  Save(QStringLiteral("toolbar/save.png"), 16, 16, DrawSave);
  Save(QStringLiteral("toolbar/print.png"), 16, 16, DrawPrint);
  Save(QStringLiteral("toolbar/help.png"), 16, 16, DrawHelp);
  Save(QStringLiteral("icon.png"), 64, 64, [](QPainter& p) { DrawIcon(p, 64); });
  return 0;
}
