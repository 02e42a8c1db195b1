// A paint device that records what is painted on it as a Windows metafile (.WMF) with a
// placeable header: lines, rectangles, polygons, paths (as polygons), ellipses and text become
// metafile records, pens, brushes (solid or hatched) and fonts metafile objects. Images are left
// out. The file is written when painting ends.
#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <memory>

namespace tallmark::graphs {

class WmfPaintEngine;

class WmfPaintDevice : public QPaintDevice {
 public:
  // size in logical units, 96 to the inch.
  WmfPaintDevice(const QString& fileName, const QSize& size);
  ~WmfPaintDevice() override;

  QPaintEngine* paintEngine() const override;
  // 0 after the file was written, else the error number of the write.
  int error() const;

  static constexpr int kUnitsPerInch = 96;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QSize size_;
  std::unique_ptr<WmfPaintEngine> engine_;
};

}  // namespace tallmark::graphs
