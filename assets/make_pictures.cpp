// Draws every picture the program shows. Run by hand when a picture changes
// (the build never runs it) and commit the PNGs it writes:
//   QT_QPA_PLATFORM=offscreen ./make_pictures <assets folder>
// All randomness comes from fixed seeds and our own hash, so a run gives the
// same pixels on every machine that has the same wordmark font.
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Col {
  double r, g, b;
};

Col mix(Col a, Col b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothstep(double e0, double e1, double x) {
  const double t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3.0 - 2.0 * t);
}

// Integer hash; std:: distributions differ between libraries, this does not.
std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

double hashUnit(int x, int y, std::uint32_t seed) {
  return (hash3(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) & 0xffffffu) /
         double(0xffffff);
}

double valueNoise(double x, double y, std::uint32_t seed) {
  const double fx0 = std::floor(x), fy0 = std::floor(y);
  const int xi = static_cast<int>(fx0), yi = static_cast<int>(fy0);
  const double fx = x - fx0, fy = y - fy0;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = hashUnit(xi, yi, seed), b = hashUnit(xi + 1, yi, seed);
  const double c = hashUnit(xi, yi + 1, seed), d = hashUnit(xi + 1, yi + 1, seed);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double fbm(double x, double y, std::uint32_t seed, int octaves = 5) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
    norm += amp;
    amp *= 0.5;
    x = x * 2.03 + 17.1;
    y = y * 2.03 - 9.7;
  }
  return sum / norm;
}

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed ? seed : 1u) {}
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ & 0xffffffu) / double(0x1000000);
  }

 private:
  std::uint32_t state_;
};

// A float RGB picture (components 0..1 in display space) that effects add into.
class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h * 3, 0.0) {}
  int width() const { return w_; }
  int height() const { return h_; }

  void set(int x, int y, Col c) {
    double* p = at(x, y);
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
  }
  void add(int x, int y, Col c, double k) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    double* p = at(x, y);
    p[0] += c.r * k;
    p[1] += c.g * k;
    p[2] += c.b * k;
  }
  Col get(int x, int y) const {
    const double* p = &px_[(static_cast<size_t>(y) * w_ + x) * 3];
    return {p[0], p[1], p[2]};
  }

  void fill(const std::function<Col(double x, double y)>& f) {
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) set(x, y, f(x + 0.5, y + 0.5));
  }
  void addEach(const std::function<Col(double x, double y)>& f) {
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) add(x, y, f(x + 0.5, y + 0.5), 1.0);
  }

  // A soft round spot; sub-pixel centres keep small stars from all looking alike.
  void splat(double cx, double cy, double sigma, Col c, double k) {
    const int r = static_cast<int>(std::ceil(sigma * 3.0));
    const int x0 = static_cast<int>(std::floor(cx)), y0 = static_cast<int>(std::floor(cy));
    for (int y = y0 - r; y <= y0 + r; ++y)
      for (int x = x0 - r; x <= x0 + r; ++x) {
        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        add(x, y, c, k * std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma)));
      }
  }

  // Dark gradients band badly in 8 bits; a fixed dither hides the steps.
  QImage toImage() const {
    QImage img(w_, h_, QImage::Format_RGB888);
    for (int y = 0; y < h_; ++y) {
      uchar* line = img.scanLine(y);
      for (int x = 0; x < w_; ++x) {
        const Col c = get(x, y);
        const double d = hashUnit(x, y, 7777) - 0.5;
        line[x * 3 + 0] = toByte(c.r, d);
        line[x * 3 + 1] = toByte(c.g, d);
        line[x * 3 + 2] = toByte(c.b, d);
      }
    }
    return img;
  }

 private:
  static uchar toByte(double v, double dither) {
    return static_cast<uchar>(std::clamp(v * 255.0 + dither + 0.5, 0.0, 255.0));
  }
  double* at(int x, int y) { return &px_[(static_cast<size_t>(y) * w_ + x) * 3]; }
  int w_, h_;
  std::vector<double> px_;
};

using Mask = std::function<double(double x, double y)>;

double one(double, double) { return 1.0; }

// Most stars are faint; a handful get a halo, the very brightest a faint cross.
void starfield(Canvas& cv, std::uint32_t seed, int count, double peak, const Mask& mask, bool spikes) {
  Rng rng(seed);
  const Col white{1.0, 1.0, 1.0}, blue{0.72, 0.82, 1.0}, warm{1.0, 0.88, 0.72};
  for (int i = 0; i < count; ++i) {
    const double x = rng.next() * cv.width(), y = rng.next() * cv.height();
    const double u = rng.next();
    const double t = rng.next();
    const double m = mask(x, y);
    const double b = peak * std::pow(u, 5.0) * m;
    if (b < 0.01) continue;
    const Col c = t < 0.55 ? mix(white, blue, t / 0.55) : mix(white, warm, (t - 0.55) / 0.45);
    const double sigma = 0.42 + 0.35 * std::pow(u, 5.0);
    cv.splat(x, y, sigma, c, b * 1.6);
    if (b > peak * 0.45) cv.splat(x, y, 2.4, c, b * 0.05);
    if (spikes && b > peak * 0.8) {
      for (int k = 2; k <= 6; ++k) {
        const double a = b * 0.22 * std::exp(-k * 0.55);
        cv.add(static_cast<int>(x) + k, static_cast<int>(y), c, a);
        cv.add(static_cast<int>(x) - k, static_cast<int>(y), c, a);
        cv.add(static_cast<int>(x), static_cast<int>(y) + k, c, a);
        cv.add(static_cast<int>(x), static_cast<int>(y) - k, c, a);
      }
    }
  }
}

// Wispy gas: a warped fractal field, thresholded so most of the sky stays empty.
void nebula(Canvas& cv, std::uint32_t seed, double scale, Col a, Col b, double strength, const Mask& mask,
            double lo = 0.42, double hi = 0.85) {
  cv.addEach([&](double x, double y) {
    const double m = mask(x, y);
    if (m <= 0.0) return Col{0, 0, 0};
    const double sx = x * scale, sy = y * scale;
    const double wx = fbm(sx + 3.1, sy - 1.7, seed + 11, 4);
    const double wy = fbm(sx - 5.3, sy + 2.9, seed + 23, 4);
    const double n = fbm(sx + 2.2 * wx, sy + 2.2 * wy, seed, 6);
    const double density = std::pow(smoothstep(lo, hi, n), 1.4) * m * strength;
    const double tint = smoothstep(0.3, 0.7, fbm(sx * 0.7, sy * 0.7, seed + 57, 3));
    const Col c = mix(a, b, tint);
    return Col{c.r * density, c.g * density, c.b * density};
  });
}

bool save(const QImage& img, const QString& folder, const QString& name) {
  const QString path = QDir(folder).filePath(name);
  if (!img.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
  return true;
}

// ---- spacecraft -------------------------------------------------------------

// Hulls face +x; one unit is about one pixel at scale 1.
QPolygonF cruiserHull() {
  return QPolygonF({{52, 0},    {30, -4},  {12, -6},  {-4, -7},  {-12, -11}, {-30, -11}, {-34, -7},
                    {-46, -7},  {-50, -4}, {-50, 4},  {-46, 7},  {-34, 7},   {-30, 10},  {-12, 10},
                    {-4, 6},    {12, 5},   {30, 3}});
}

QPolygonF cruiserTower() {
  return QPolygonF({{-8, -7}, {-14, -15}, {-26, -15}, {-30, -11}, {-12, -11}});
}

QPolygonF escortHull() {
  return QPolygonF({{22, 0}, {4, -3}, {-8, -11}, {-12, -11}, {-8, -3}, {-14, -2},
                    {-14, 2}, {-8, 3}, {-12, 9}, {-8, 9}, {4, 3}});
}

void engineGlow(QPainter& p, QPointF at, double radius, QColor core, QColor halo) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  QRadialGradient g(at, radius);
  g.setColorAt(0.0, core);
  g.setColorAt(0.25, halo);
  g.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(at, radius, radius);
  p.restore();
}

// A dark hull caught by a weak light from above: readable as a ship, never bright.
void drawHull(QPainter& p, const QTransform& t, const QPolygonF& hull, double top, double bottom, int lift) {
  const QPolygonF shape = t.map(hull);
  const QPointF a = t.map(QPointF(0, top)), b = t.map(QPointF(0, bottom));
  QLinearGradient g(a, b);
  g.setColorAt(0.0, QColor(58 + lift, 66 + lift, 84 + lift));
  g.setColorAt(0.45, QColor(26 + lift / 2, 30 + lift / 2, 40 + lift / 2));
  g.setColorAt(1.0, QColor(9, 10, 15));
  p.setBrush(g);
  p.setPen(QPen(QColor(110, 125, 150, 70), 0.7));
  p.drawPolygon(shape);
}

void drawCruiser(QPainter& p, QPointF at, double angleDeg, double scale, int lift) {
  QTransform t;
  t.translate(at.x(), at.y());
  t.rotate(angleDeg);
  t.scale(scale, scale);
  drawHull(p, t, cruiserTower(), -15, -7, lift);
  drawHull(p, t, cruiserHull(), -11, 10, lift);
  // panel seams and a row of lit ports
  p.setPen(QPen(QColor(8, 9, 13, 160), 0.6));
  p.drawLine(t.map(QLineF(30, -4, 30, 3)));
  p.drawLine(t.map(QLineF(12, -6, 12, 5)));
  p.drawLine(t.map(QLineF(-30, -11, -30, 10)));
  p.drawLine(t.map(QLineF(-4, -1, 40, -1)));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 175, 210, 90));
  for (int i = 0; i < 7; ++i) p.drawEllipse(t.map(QPointF(-26 + i * 5.0, -4.5)), 0.45 * scale, 0.45 * scale);
  for (double y : {-4.0, 0.0, 4.0})
    engineGlow(p, t.map(QPointF(-51, y)), 4.2 * scale, QColor(170, 215, 255, 200), QColor(40, 90, 170, 90));
}

void drawEscort(QPainter& p, QPointF at, double angleDeg, double scale, int lift) {
  QTransform t;
  t.translate(at.x(), at.y());
  t.rotate(angleDeg);
  t.scale(scale, scale);
  drawHull(p, t, escortHull(), -11, 9, lift);
  engineGlow(p, t.map(QPointF(-15, 0)), 3.6 * scale, QColor(255, 200, 140, 190), QColor(170, 80, 40, 80));
}

// ---- the pictures -----------------------------------------------------------

// Statistics window title band. Calm where the window draws: "Stats" at
// (24, 44), the rule at y 58 and the close glyph in the top right corner.
QImage titlePicture() {
  const int w = 550, h = 90;
  Canvas cv(w, h);
  cv.fill([&](double, double y) {
    const double t = y / h;
    return mix(Col{0.030, 0.034, 0.070}, Col{0.012, 0.014, 0.030}, t);
  });
  const Mask calm = [&](double x, double y) {
    double m = 1.0;
    m *= 1.0 - 0.85 * (1.0 - smoothstep(20, 130, x)) * (1.0 - smoothstep(30, 70, std::abs(y - 50)));
    m *= 1.0 - 0.9 * smoothstep(490, 520, x) * (1.0 - smoothstep(22, 36, y));
    m *= 1.0 - 0.6 * (1.0 - smoothstep(2, 6, std::abs(y - 58)));
    return m;
  };
  nebula(cv, 101, 0.012, Col{0.30, 0.12, 0.42}, Col{0.08, 0.26, 0.45}, 0.62,
         [&](double x, double y) {
           const double band = smoothstep(80, 320, x) * (1.0 - smoothstep(470, 560, x));
           return band * (0.55 + 0.45 * (1.0 - y / h)) * calm(x, y);
         });
  nebula(cv, 202, 0.02, Col{0.10, 0.16, 0.34}, Col{0.24, 0.10, 0.30}, 0.18, calm, 0.5, 0.9);
  starfield(cv, 303, 420, 0.7, calm, true);

  QImage img = cv.toImage().convertToFormat(QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // The wordmark is a watermark: spaced capitals, barely lighter than the gas.
  QFont f(QStringLiteral("Play"), 10, QFont::Bold);
  f.setPixelSize(26);
  f.setLetterSpacing(QFont::AbsoluteSpacing, 9);
  QPainterPath text;
  const QString word = QStringLiteral("CORVANETH");
  text.addText(0, 0, f, word);
  const QRectF r = text.boundingRect();
  text.translate(470 - r.right(), 45);
  QLinearGradient g(QPointF(0, 45 - r.height()), QPointF(0, 45));
  g.setColorAt(0.0, QColor(190, 200, 255, 58));
  g.setColorAt(1.0, QColor(120, 130, 210, 26));
  p.setPen(QPen(QColor(170, 185, 255, 34), 0.8));
  p.setBrush(g);
  p.drawPath(text);
  p.end();
  return img.convertToFormat(QImage::Format_RGB888);
}

// Page background: text and bars sit on it, so it only hints at depth.
QImage pagePicture() {
  const int w = 499, h = 368;
  Canvas cv(w, h);
  cv.fill([&](double x, double y) {
    const double d = std::hypot((x - w * 0.7) / w, (y - h * 0.25) / h);
    return mix(Col{0.030, 0.032, 0.058}, Col{0.010, 0.011, 0.020}, clamp01(d * 1.4));
  });
  nebula(cv, 404, 0.007, Col{0.10, 0.05, 0.16}, Col{0.03, 0.09, 0.16}, 0.22, one, 0.45, 0.9);
  starfield(cv, 505, 420, 0.22, one, false);
  return cv.toImage();
}

// Launcher background. The menu stands in the middle of the visible part, so
// the ships keep to the edges and everything stays dim.
QImage launcherPicture() {
  const int w = 400, h = 208;
  Canvas cv(w, h);
  cv.fill([&](double x, double y) {
    const double t = clamp01(std::hypot((x - 300) / 400.0, (y - 40) / 250.0));
    return mix(Col{0.040, 0.042, 0.080}, Col{0.008, 0.009, 0.018}, t);
  });
  nebula(cv, 606, 0.010, Col{0.24, 0.09, 0.30}, Col{0.05, 0.18, 0.32}, 0.30,
         [&](double x, double y) { return 0.35 + 0.65 * smoothstep(120, 380, x) * (1.0 - smoothstep(60, 200, y)); });
  starfield(cv, 707, 420, 0.45, one, true);

  // A planet low on the left, lit from the upper right: mostly night side,
  // a thin bright limb and a faint atmosphere.
  const double pcx = 30, pcy = 330, pr = 190;
  const double lx = 0.66, ly = -0.66, lz = -0.36;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double dx = (x + 0.5 - pcx) / pr, dy = (y + 0.5 - pcy) / pr;
      const double d2 = dx * dx + dy * dy;
      const double d = std::sqrt(d2);
      if (d < 1.0) {
        const double nz = std::sqrt(1.0 - d2);
        const double lit = std::max(0.0, dx * lx + dy * ly + nz * lz);
        const double bands = fbm(x * 0.03, y * 0.09, 808, 5);
        const Col surface = mix(Col{0.05, 0.10, 0.16}, Col{0.14, 0.20, 0.26}, bands);
        const double k = std::pow(lit, 1.6) * 0.9;
        const double edge = smoothstep(1.0, 0.985, d);  // soft rim instead of a jagged one
        const Col night{0.006 + surface.r * 0.06, 0.008 + surface.g * 0.06, 0.014 + surface.b * 0.06};
        const Col lit_{night.r + surface.r * k * 2.4, night.g + surface.g * k * 2.4, night.b + surface.b * k * 2.4};
        cv.set(x, y, mix(cv.get(x, y), lit_, edge));
      }
      const double rim = std::exp(-std::abs(d - 1.0) * pr / 3.5);
      const double facing = std::max(0.0, dx * lx + dy * ly) / std::max(d, 1e-6);
      cv.add(x, y, Col{0.20, 0.42, 0.75}, rim * std::pow(facing, 1.5) * 0.55);
    }

  QImage img = cv.toImage().convertToFormat(QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  drawCruiser(p, QPointF(322, 36), -8, 0.95, 6);
  drawEscort(p, QPointF(280, 58), -10, 0.55, 0);
  drawEscort(p, QPointF(352, 70), -6, 0.45, -4);
  drawEscort(p, QPointF(78, 30), 168, 0.4, -4);
  p.end();
  return img.convertToFormat(QImage::Format_RGB888);
}

// About emblem: a grey swirl on the About window's own grey (64, 64, 64), so
// the white and pale yellow credits scroll over it without losing contrast.
QImage aboutPicture() {
  const int w = 274, h = 265;
  const double cx = w / 2.0, cy = h / 2.0 - 4;
  const double bg = 64.0 / 255.0;
  const double ringR = 112;
  Canvas cv(w, h);
  cv.fill([&](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    const double r = std::hypot(dx, dy);
    const double th = std::atan2(dy, dx);
    double v = bg;
    // a shallow dish inside the ring, lit from the top left
    const double inside = smoothstep(ringR + 1.5, ringR - 1.5, r);
    const double dish = (dx + dy) / ringR * 0.035 * inside;
    v += dish - 0.05 * inside;
    // three arms of a logarithmic spiral
    const double phase = 3.0 * th + 5.5 * std::log(std::max(r, 1.0) / ringR);
    const double arms = std::pow(0.5 + 0.5 * std::cos(phase), 3.0);
    const double env = smoothstep(6, 30, r) * smoothstep(ringR - 4, ringR - 26, r);
    const double grain = 0.85 + 0.3 * fbm(x * 0.08, y * 0.08, 909, 3);
    v += arms * env * 0.17 * grain;
    v -= (1.0 - arms) * env * 0.03;
    // the ring: a bevelled band, light above and dark below
    const double band = smoothstep(ringR - 6, ringR - 4, r) * smoothstep(ringR + 6, ringR + 4, r);
    const double bevel = -std::sin(th + kPi / 4) * 0.06;
    v += band * (0.09 + bevel * ((r < ringR) ? -1.0 : 1.0));
    const double groove = std::exp(-std::pow((r - ringR) / 0.9, 2.0));
    v -= groove * 0.06;
    // shadow cast by the ring on the right-hand side of the panel
    const double shadow = std::exp(-std::pow((r - ringR - 9) / 4.0, 2.0)) * std::max(0.0, std::cos(th - kPi / 4));
    v -= shadow * 0.05;
    // a small hub where the arms meet
    v += std::exp(-r * r / 60.0) * 0.22 - std::exp(-std::pow((r - 9) / 1.6, 2.0)) * 0.05;
    const Col tint{v * 0.98, v * 0.99, v * 1.03};
    return tint;
  });
  return cv.toImage();
}

// Icons: drawn pixel by pixel from the classic sixteen-colour palette so both
// sizes stay crisp. Palette indices used: 0 black, 3 olive, 4 navy, 6 teal,
// 8 grey, 11 yellow, 12 blue, 14 cyan, 15 white.
const QRgb kPal[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// Both sizes follow one plan, with the pixel counts set by hand per size: a
// night-side planet with a lit crescent, an orbit behind (large size only)
// and three rising bars in front.
struct IconPlan {
  int size;
  double radius;
  double crescentShift;
  int barWidth;
  int firstBar;      // left edge of the first bar's inside
  int base;          // row of the bars' bottom outline
  int heights[3];
  bool orbit;
  int starX, starY;
};

QImage drawIcon(const IconPlan& plan) {
  const int n = plan.size;
  QImage img(n, n, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  auto put = [&](int x, int y, int idx) {
    if (x >= 0 && y >= 0 && x < n && y < n) img.setPixel(x, y, kPal[idx]);
  };
  const double c = n / 2.0;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double d = std::hypot(px - c, py - c);
      if (d > plan.radius) continue;
      int idx = 4;
      if (d > plan.radius - 1.0) idx = 0;
      else if (std::hypot(px - (c - plan.crescentShift), py - (c + plan.crescentShift)) > plan.radius - 1.0)
        idx = 12;
      put(x, y, idx);
    }
  if (plan.orbit) {
    for (int i = 0; i < 1440; ++i) {
      const double a = i * kPi / 720.0;
      const double ex = std::cos(a) * (c - 1.5), ey = std::sin(a) * 3.6;
      const double rot = -0.38;
      const double x = c + ex * std::cos(rot) - ey * std::sin(rot);
      const double y = c + 2 + ex * std::sin(rot) + ey * std::cos(rot);
      put(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), std::sin(a) > 0 ? 14 : 6);
    }
  }
  const int w = plan.barWidth;
  for (int b = 0; b < 3; ++b) {
    const int x0 = plan.firstBar + b * (w + 1);
    const int top = plan.base - plan.heights[b];
    for (int y = top - 1; y <= plan.base; ++y) {
      put(x0 - 1, y, 0);
      put(x0 + w, y, 0);
    }
    for (int x = x0; x < x0 + w; ++x) {
      put(x, top - 1, 0);
      put(x, plan.base, 0);
      for (int y = top; y < plan.base; ++y) put(x, y, x == x0 ? 15 : (x == x0 + w - 1 && w > 2 ? 6 : 14));
    }
  }
  put(plan.starX, plan.starY, 11);
  if (n >= 32) {
    for (int k : {-1, 1}) {
      put(plan.starX + k, plan.starY, 3);
      put(plan.starX, plan.starY + k, 3);
      put(plan.starX + 2 * k, plan.starY, 8);
      put(plan.starX, plan.starY + 2 * k, 8);
    }
  }
  return img;
}

QImage icon32() { return drawIcon({32, 15.6, 2.2, 4, 9, 26, {8, 12, 16}, true, 8, 8}); }
QImage icon16() { return drawIcon({16, 7.9, 1.1, 2, 5, 13, {4, 6, 8}, false, 4, 4}); }

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
    return 1;
  }
  bool ok = true;
  ok &= save(titlePicture(), folder, QStringLiteral("title.png"));
  ok &= save(pagePicture(), folder, QStringLiteral("page.png"));
  ok &= save(launcherPicture(), folder, QStringLiteral("launcher.png"));
  ok &= save(aboutPicture(), folder, QStringLiteral("about.png"));
  ok &= save(icon32(), folder, QStringLiteral("icon32.png"));
  ok &= save(icon16(), folder, QStringLiteral("icon16.png"));
  return ok ? 0 : 1;
}
