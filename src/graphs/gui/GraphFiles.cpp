#include "graphs/gui/GraphFiles.h"

#include <QApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>
#include <memory>

#include "common/FileErrors.h"
#include "common/Text.h"
#include "graphs/GraphRules.h"
#include "graphs/gui/GraphChart.h"
#include "graphs/gui/WmfPaintDevice.h"

namespace tallmark::graphs {

namespace {

const QSize kSize(kImageWidth, kImageHeight);
const QRectF kRect(0, 0, kImageWidth, kImageHeight);

bool Commit(QSaveFile& file, bool painted, std::string& problem) {
  if (painted && file.commit()) return true;
  problem = file.errorString().toStdString();
  if (problem.empty() || problem == "Unknown error") problem = "The image could not be written";
  file.cancelWriting();
  return false;
}

bool WriteRaster(const GraphPage& page, QSaveFile& file, const char* format, std::string& problem) {
  QImage image(kSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintGraph(page, painter, kRect, kRect.size());
  painter.end();
  return Commit(file, image.save(&file, format), problem);
}

bool WriteSvg(const GraphPage& page, QSaveFile& file, std::string& problem) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(kSize);
  svg.setViewBox(kRect);
  svg.setResolution(96);
  svg.setTitle(QString::fromStdString(Cp1252ToUtf8(page.title)));
  QPainter painter(&svg);
  PaintGraph(page, painter, kRect, kRect.size());
  return Commit(file, painter.end(), problem);
}

bool WritePdf(const GraphPage& page, QSaveFile& file, std::string& problem) {
  QPdfWriter pdf(&file);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                QPageLayout::Millimeter));
  pdf.setTitle(QString::fromStdString(Cp1252ToUtf8(page.title)));
  QPainter painter(&pdf);
  PaintGraphOnPage(page, painter, pdf);
  return Commit(file, painter.end(), problem);
}

bool WriteWmf(const GraphPage& page, const std::string& path, std::string& problem) {
  WmfPaintDevice wmf(QString::fromStdString(path), kSize);
  QPainter painter(&wmf);
  PaintGraph(page, painter, kRect, kRect.size());
  painter.end();
  if (wmf.error() == 0) return true;
  problem = ErrorDescription(wmf.error());
  return false;
}

}  // namespace

bool WriteGraphImage(const GraphPage& page, const std::string& path, std::string& problem) {
  const ImageFormat format = ImageFormatOf(path);
  if (format == ImageFormat::Unknown) {
    problem = kImageExtensionMessage;
    return false;
  }
  if (format == ImageFormat::Wmf) return WriteWmf(page, path, problem);
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) {
    problem = file.errorString().toStdString();
    return false;
  }
  switch (format) {
    case ImageFormat::Bmp: return WriteRaster(page, file, "BMP", problem);
    case ImageFormat::Png: return WriteRaster(page, file, "PNG", problem);
    case ImageFormat::Svg: return WriteSvg(page, file, problem);
    default: return WritePdf(page, file, problem);
  }
}

std::vector<std::string> WriteGraphFiles(const std::vector<GraphPage>& pages,
                                         const std::string& firstPath, std::string& problem) {
  std::unique_ptr<QApplication> app;
  if (!QCoreApplication::instance()) {
    // Qt's notes about the desktop session (no runtime folder and the like) are no concern of a
    // program that only draws files.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tallmark-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }
  std::vector<std::string> written;
  std::string path = firstPath;
  if (pages.size() > 1 && !EndsInFirstCounter(path)) path.insert(path.find_last_of('.'), "001");
  for (const GraphPage& page : pages) {
    if (!WriteGraphImage(page, path, problem)) break;
    written.push_back(path);
    path = NextGraphFileName(path);
  }
  return written;
}

}  // namespace tallmark::graphs
