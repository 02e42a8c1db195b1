#include "graphs/gui/WmfPaintDevice.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "common/Text.h"
#include "league/FileSystem.h"

namespace tallmark::graphs {

namespace {

// Record functions of the metafile.
enum : std::uint16_t {
  kEof = 0x0000, kSetBkMode = 0x0102, kSetPolyFillMode = 0x0106, kSetTextAlign = 0x012E,
  kSelectObject = 0x012D, kDeleteObject = 0x01F0, kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C, kCreatePen = 0x02FA, kCreateFont = 0x02FB,
  kCreateBrush = 0x02FC, kPolygon = 0x0324, kPolyline = 0x0325, kEllipse = 0x0418,
  kRectangle = 0x041B, kTextOut = 0x0521, kPolyPolygon = 0x0538,
};

// One record's words after its size and function.
class Record {
 public:
  explicit Record(std::uint16_t function) : function_(function) {}
  Record& w(int value) {
    words_.push_back(static_cast<std::uint16_t>(value));
    return *this;
  }
  Record& dw(std::uint32_t value) { return w(value & 0xFFFF).w(value >> 16); }
  Record& bytes(const std::string& b) {
    for (std::size_t i = 0; i < b.size(); i += 2)
      w(static_cast<unsigned char>(b[i]) |
        (i + 1 < b.size() ? static_cast<unsigned char>(b[i + 1]) << 8 : 0));
    return *this;
  }
  std::uint16_t function() const { return function_; }
  const std::vector<std::uint16_t>& words() const { return words_; }

 private:
  std::uint16_t function_;
  std::vector<std::uint16_t> words_;
};

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::uint32_t ColorRef(const QColor& c) {
  return static_cast<std::uint32_t>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

int Clamp16(double v) { return static_cast<int>(std::lround(std::clamp(v, -32768.0, 32767.0))); }

int HatchOf(Qt::BrushStyle style) {
  switch (style) {
    case Qt::HorPattern: return 0;
    case Qt::VerPattern: return 1;
    case Qt::FDiagPattern: return 2;
    case Qt::BDiagPattern: return 3;
    case Qt::CrossPattern: return 4;
    case Qt::DiagCrossPattern: return 5;
    default: return -1;
  }
}

}  // namespace

class WmfPaintEngine : public QPaintEngine {
 public:
  WmfPaintEngine(const QString& fileName, const QSize& size)
      : QPaintEngine(PaintEngineFeatures(AllFeatures) & ~PaintEngineFeatures(PerspectiveTransform)), fileName_(fileName), size_(size) {}

  int error = 0;

  bool begin(QPaintDevice*) override {
    records_.clear();
    slots_.clear();
    pen_ = brush_ = font_ = -1;
    textColor_ = 0xFFFFFFFF;
    records_.push_back(Record(kSetWindowOrg).w(0).w(0));
    records_.push_back(Record(kSetWindowExt).w(size_.height()).w(size_.width()));
    records_.push_back(Record(kSetBkMode).w(1));          // transparent
    records_.push_back(Record(kSetTextAlign).w(24));      // left, baseline
    records_.push_back(Record(kSetPolyFillMode).w(2));    // winding
    return true;
  }
  bool end() override;

  void updateState(const QPaintEngineState& state) override {
    const DirtyFlags flags = state.state();
    if (flags & DirtyTransform) transform_ = state.transform();
    if (flags & DirtyPen) qpen_ = state.pen();
    if (flags & DirtyBrush) qbrush_ = state.brush();
    if (flags & DirtyFont) qfont_ = state.font();
  }

  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) {
      if (transform_.isRotating()) {
        drawPolygon(QPolygonF(rects[i]).constData(), 4, ConvexMode);
        continue;
      }
      const QRectF r = transform_.mapRect(rects[i]);
      selectPenAndBrush();
      records_.push_back(Record(kRectangle).w(Clamp16(r.bottom())).w(Clamp16(r.right()))
                             .w(Clamp16(r.top())).w(Clamp16(r.left())));
    }
  }
  void drawRects(const QRect* rects, int count) override {
    for (int i = 0; i < count; ++i) drawRects(std::vector<QRectF>{QRectF(rects[i])}.data(), 1);
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) {
      const QPointF points[2] = {lines[i].p1(), lines[i].p2()};
      drawPolygon(points, 2, PolylineMode);
    }
  }
  void drawLines(const QLine* lines, int count) override {
    for (int i = 0; i < count; ++i) {
      const QLineF line(lines[i]);
      drawLines(&line, 1);
    }
  }
  void drawEllipse(const QRectF& rect) override {
    if (transform_.isRotating()) {
      QPainterPath path;
      path.addEllipse(rect);
      drawPath(path);
      return;
    }
    const QRectF r = transform_.mapRect(rect);
    selectPenAndBrush();
    records_.push_back(Record(kEllipse).w(Clamp16(r.bottom())).w(Clamp16(r.right()))
                           .w(Clamp16(r.top())).w(Clamp16(r.left())));
  }
  void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    if (count < 2) return;
    selectPenAndBrush(mode == PolylineMode);
    Record r(mode == PolylineMode ? kPolyline : kPolygon);
    r.w(count);
    for (int i = 0; i < count; ++i) {
      const QPointF p = transform_.map(points[i]);
      r.w(Clamp16(p.x())).w(Clamp16(p.y()));
    }
    records_.push_back(r);
  }
  void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
    std::vector<QPointF> f(points, points + count);
    drawPolygon(f.data(), count, mode);
  }
  void drawPath(const QPainterPath& path) override {
    const QList<QPolygonF> polygons = path.toSubpathPolygons(transform_);
    if (polygons.isEmpty()) return;
    const bool fill = qbrush_.style() != Qt::NoBrush;
    const QTransform keep = transform_;
    transform_ = QTransform();
    if (!fill || polygons.size() == 1) {
      for (const QPolygonF& p : polygons) drawPolygon(p.constData(), p.size(), fill ? WindingMode : PolylineMode);
    } else {
      selectPenAndBrush();
      Record r(kPolyPolygon);
      r.w(polygons.size());
      for (const QPolygonF& p : polygons) r.w(p.size());
      for (const QPolygonF& p : polygons)
        for (const QPointF& pt : p) r.w(Clamp16(pt.x())).w(Clamp16(pt.y()));
      records_.push_back(r);
    }
    transform_ = keep;
  }
  void drawPoints(const QPointF* points, int count) override {
    for (int i = 0; i < count; ++i) {
      const QPointF line[2] = {points[i], points[i] + QPointF(0.5, 0)};
      drawPolygon(line, 2, PolylineMode);
    }
  }
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    const std::string text = Utf8ToCp1252(item.text().toStdString());
    if (text.empty()) return;
    selectFont(item.font());
    const std::uint32_t color = ColorRef(qpen_.color());
    if (color != textColor_) {
      records_.push_back(Record(kSetTextColor).dw(color));
      textColor_ = color;
    }
    const QPointF at = transform_.map(p);
    Record r(kTextOut);
    r.w(static_cast<int>(text.size())).bytes(text).w(Clamp16(at.y())).w(Clamp16(at.x()));
    records_.push_back(r);
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
  Type type() const override { return static_cast<Type>(User + 17); }

 private:
  double scale() const { return std::sqrt(std::abs(transform_.determinant())); }

  // Metafile objects take the lowest free slot of the object table.
  int create(Record record) {
    int slot = 0;
    while (slot < static_cast<int>(slots_.size()) && slots_[slot]) ++slot;
    if (slot == static_cast<int>(slots_.size())) slots_.push_back(false);
    slots_[slot] = true;
    records_.push_back(std::move(record));
    records_.push_back(Record(kSelectObject).w(slot));
    return slot;
  }
  void replace(int& current, std::string& key, const std::string& wanted, Record record) {
    if (current >= 0 && key == wanted) return;
    const int old = current;
    current = create(std::move(record));
    key = wanted;
    if (old >= 0) {
      records_.push_back(Record(kDeleteObject).w(old));
      slots_[old] = false;
    }
  }
  void selectPenAndBrush(bool lineOnly = false) {
    int style = 0;
    switch (qpen_.style()) {
      case Qt::NoPen: style = 5; break;
      case Qt::DashLine: style = 1; break;
      case Qt::DotLine: style = 2; break;
      case Qt::DashDotLine: style = 3; break;
      default: break;
    }
    if (qpen_.color().alpha() == 0) style = 5;
    const int width = qpen_.isCosmetic() || qpen_.widthF() <= 0 ? 1 : std::max(1, Clamp16(qpen_.widthF() * scale()));
    const std::uint32_t color = ColorRef(qpen_.color());
    replace(pen_, penKey_, std::to_string(style) + "/" + std::to_string(width) + "/" + std::to_string(color),
            Record(kCreatePen).w(style).w(width).w(0).dw(color));
    if (lineOnly) return;
    QColor fill = qbrush_.color();
    if (qbrush_.gradient() && !qbrush_.gradient()->stops().isEmpty())
      fill = qbrush_.gradient()->stops().constFirst().second;
    int brushStyle = 0, hatch = HatchOf(qbrush_.style());
    if (qbrush_.style() == Qt::NoBrush || fill.alpha() == 0) brushStyle = 1;
    else if (hatch >= 0) brushStyle = 2;
    const std::string key = std::to_string(brushStyle) + "/" + std::to_string(ColorRef(fill)) + "/" +
                            std::to_string(hatch);
    replace(brush_, brushKey_, key,
            Record(kCreateBrush).w(brushStyle).dw(ColorRef(fill)).w(std::max(hatch, 0)));
  }
  void selectFont(const QFont& font) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() * WmfPaintDevice::kUnitsPerInch / 72.0
                                                 : font.pixelSize();
    const int height = -std::max(1, Clamp16(points * scale()));
    const double angle = std::atan2(transform_.m12(), transform_.m11()) * 180 / std::numbers::pi;
    const int escapement = Clamp16(-angle * 10);
    std::string face = Utf8ToCp1252(font.family().toStdString()).substr(0, 31);
    face.resize(32, '\0');
    const std::string key = std::to_string(height) + "/" + std::to_string(escapement) + "/" +
                            std::to_string(font.weight()) + "/" + std::to_string(font.italic()) + face;
    Record r(kCreateFont);
    r.w(height).w(0).w(escapement).w(escapement).w(font.weight())
        .w((font.italic() ? 1 : 0) | (font.underline() ? 0x100 : 0))
        .w(0)           // strike out, character set ANSI
        .w(0)           // output and clip precision
        .w(0)           // quality, pitch and family
        .bytes(face);
    replace(font_, fontKey_, key, std::move(r));
  }

  QString fileName_;
  QSize size_;
  std::vector<Record> records_;
  std::vector<bool> slots_;
  int pen_ = -1, brush_ = -1, font_ = -1;
  std::string penKey_, brushKey_, fontKey_;
  std::uint32_t textColor_ = 0xFFFFFFFF;
  QTransform transform_;
  QPen qpen_;
  QBrush qbrush_;
  QFont qfont_;
};

bool WmfPaintEngine::end() {
  records_.push_back(Record(kEof));
  std::uint32_t total = 9, largest = 3;
  for (const Record& r : records_) {
    const std::uint32_t size = 3 + static_cast<std::uint32_t>(r.words().size());
    total += size;
    largest = std::max(largest, size);
  }
  std::string out;
  // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
  std::vector<std::uint16_t> head = {0xCDD7, 0x9AC6, 0, 0, 0,
                                     static_cast<std::uint16_t>(size_.width()),
                                     static_cast<std::uint16_t>(size_.height()),
                                     WmfPaintDevice::kUnitsPerInch, 0, 0};
  std::uint16_t checksum = 0;
  for (std::uint16_t word : head) {
    Put16(out, word);
    checksum ^= word;
  }
  Put16(out, checksum);
  // Metafile header: in memory, 9 words, version 3.0.
  Put16(out, 1);
  Put16(out, 9);
  Put16(out, 0x0300);
  Put32(out, total);
  Put16(out, static_cast<unsigned>(std::max<std::size_t>(slots_.size(), 1)));
  Put32(out, largest);
  Put16(out, 0);
  for (const Record& r : records_) {
    Put32(out, 3 + static_cast<std::uint32_t>(r.words().size()));
    Put16(out, r.function());
    for (std::uint16_t word : r.words()) Put16(out, word);
  }
  error = WriteFileAtomic(fileName_.toStdString(), out);
  return error == 0;
}

WmfPaintDevice::WmfPaintDevice(const QString& fileName, const QSize& size)
    : size_(size), engine_(std::make_unique<WmfPaintEngine>(fileName, size)) {}

WmfPaintDevice::~WmfPaintDevice() = default;

QPaintEngine* WmfPaintDevice::paintEngine() const { return engine_.get(); }

int WmfPaintDevice::error() const { return engine_->error; }

int WmfPaintDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmWidthMM: return size_.width() * 254 / (10 * kUnitsPerInch);
    case PdmHeightMM: return size_.height() * 254 / (10 * kUnitsPerInch);
    case PdmNumColors: return 0xFFFFFF;
    case PdmDepth: return 24;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return kUnitsPerInch;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return 0;
  }
}

}  // namespace tallmark::graphs
