#include "RasterTarget.h"

#include <QImage>
#include <QPaintEngine>
#include <QRegion>

#include <cmath>

std::optional<RasterTarget> RasterTarget::find(QPainter& painter) {
  QPaintEngine* engine = painter.paintEngine();
  if (engine == nullptr || engine->type() != QPaintEngine::Raster) return std::nullopt;
  // The engine's device, not the painter's: a widget's painter draws into
  // the backing store's image.
  QPaintDevice* device = engine->paintDevice();
  if (device == nullptr || device->devType() != QInternal::Image) return std::nullopt;
  auto* image = static_cast<QImage*>(device);
  if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
    return std::nullopt;
  if (painter.compositionMode() != QPainter::CompositionMode_SourceOver || painter.opacity() != 1.0 ||
      painter.testRenderHint(QPainter::Antialiasing))
    return std::nullopt;
  const QTransform t = painter.deviceTransform();
  if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
    return std::nullopt;

  RasterTarget target;
  target.m_dx = static_cast<int>(t.dx());
  target.m_dy = static_cast<int>(t.dy());
  target.m_width = image->width();
  target.m_height = image->height();
  QRegion clip(QRect(0, 0, image->width(), image->height()));
  const QRegion system = engine->systemClip();
  if (!system.isEmpty()) clip &= system;
  if (painter.hasClipping()) clip &= painter.clipRegion().translated(target.m_dx, target.m_dy);
  target.m_bounds = clip.boundingRect();
  if (clip.rectCount() > 1) target.m_clip.assign(clip.begin(), clip.end());
  target.m_bits = reinterpret_cast<uint32_t*>(image->bits());
  target.m_stride = static_cast<size_t>(image->bytesPerLine()) / sizeof(uint32_t);
  return target;
}

void RasterTarget::focus(const QRect& area) {
  for (const QRect& r : m_clip) {
    if (r.contains(area)) {
      m_bounds = r;
      m_clip.clear();
      return;
    }
  }
}

bool RasterTarget::inClip(int x, int y) const {
  for (const QRect& r : m_clip)
    if (r.contains(x, y)) return true;
  return false;
}
