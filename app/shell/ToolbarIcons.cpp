#include "ToolbarIcons.h"

#include "CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kWater(0, 128, 255);
const QColor kBar(0, 192, 255);
const QColor kMetal(128, 128, 128);
const QColor kFolder(224, 192, 64);
const QColor kRed(192, 0, 0);
const QColor kGreen(0, 128, 0);

void page(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(4, 1, 11, 16);
}

void arrowHead(QPainter& p, QPoint tip, int dx, int dy, const QColor& c) {
  // A small filled triangle pointing along (dx, dy).
  QPolygon tri;
  tri << tip << QPoint(tip.x() - dx * 3 - dy * 3, tip.y() - dy * 3 - dx * 3)
      << QPoint(tip.x() - dx * 3 + dy * 3, tip.y() - dy * 3 + dx * 3);
  p.setPen(c);
  p.setBrush(c);
  p.drawPolygon(tri);
}

void printer(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(5, 1, 8, 6);
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(1, 7, 16, 7);
  p.setBrush(kPaper);
  p.drawRect(4, 12, 10, 5);
}

void bars(QPainter& p, int left, int bottom, std::initializer_list<int> heights, int width) {
  p.setPen(kInk);
  p.setBrush(kBar);
  int x = left;
  for (int h : heights) {
    p.drawRect(x, bottom - h, width - 1, h);
    x += width;
  }
}

void scaleArrow(QPainter& p, bool vertical, bool outward) {
  // A chart with a double arrow: outward arrows enlarge, inward shrink.
  p.setPen(kMetal);
  p.drawRect(1, 1, 16, 16);
  bars(p, 3, 16, {4, 9, 6}, 3);
  const QColor c = outward ? kGreen : kRed;
  p.setPen(QPen(c, 1));
  if (vertical) {
    p.drawLine(14, 3, 14, 15);
    if (outward) {
      arrowHead(p, {14, 2}, 0, -1, c);
      arrowHead(p, {14, 16}, 0, 1, c);
    } else {
      arrowHead(p, {14, 7}, 0, 1, c);
      arrowHead(p, {14, 11}, 0, -1, c);
    }
  } else {
    p.drawLine(3, 4, 15, 4);
    if (outward) {
      arrowHead(p, {2, 4}, -1, 0, c);
      arrowHead(p, {16, 4}, 1, 0, c);
    } else {
      arrowHead(p, {7, 4}, 1, 0, c);
      arrowHead(p, {11, 4}, -1, 0, c);
    }
  }
}

void turnArrow(QPainter& p, bool left) {
  QPainterPath path;
  p.setPen(QPen(kWater, 2));
  p.setBrush(Qt::NoBrush);
  if (left) {
    path.moveTo(15, 15);
    path.cubicTo(16, 6, 10, 4, 5, 7);
    p.drawPath(path);
    arrowHead(p, {2, 9}, -1, 1, kWater);
  } else {
    path.moveTo(3, 15);
    path.cubicTo(2, 6, 8, 4, 13, 7);
    p.drawPath(path);
    arrowHead(p, {16, 9}, 1, 1, kWater);
  }
}

void draw(QPainter& p, int id) {
  switch (id) {
    case cmd::OpenRecording:
      p.setPen(kInk);
      p.setBrush(kFolder);
      p.drawRect(1, 5, 15, 11);
      p.drawRect(1, 3, 6, 2);
      bars(p, 4, 14, {3, 6, 4}, 3);
      break;
    case cmd::SaveRangeHyy:
      p.setPen(kInk);
      p.setBrush(QColor(64, 64, 160));
      p.drawRect(1, 1, 16, 16);
      p.setBrush(kPaper);
      p.drawRect(4, 1, 10, 6);
      p.setBrush(QColor(192, 192, 192));
      p.drawRect(4, 11, 10, 6);
      bars(p, 5, 7, {2, 4, 3}, 3);
      break;
    case cmd::SaveAsText:
      page(p);
      p.setPen(kInk);
      for (int y = 4; y <= 14; y += 2) p.drawLine(6, y, y % 4 ? 13 : 11, y);
      break;
    case cmd::DataList:
      p.setPen(kInk);
      p.setBrush(kPaper);
      p.drawRect(1, 2, 16, 14);
      p.fillRect(2, 3, 15, 3, QColor(192, 192, 192));
      for (int y = 6; y < 16; y += 3) p.drawLine(1, y, 17, y);
      p.drawLine(7, 2, 7, 16);
      break;
    case cmd::PortSettings:
      p.setPen(kInk);
      p.setBrush(QColor(192, 192, 192));
      p.drawRect(2, 5, 8, 8);
      p.drawLine(10, 7, 13, 7);
      p.drawLine(10, 11, 13, 11);
      p.setPen(QPen(kWater, 2));
      p.drawLine(2, 9, 0, 9);
      p.drawLine(14, 9, 18, 9);
      break;
    case cmd::DeviceState:
      p.setPen(kInk);
      p.setBrush(QColor(192, 192, 192));
      p.drawRect(3, 1, 12, 16);
      p.setBrush(QColor(160, 208, 160));
      p.drawRect(5, 3, 8, 5);
      p.fillRect(5, 11, 2, 2, kInk);
      p.fillRect(9, 11, 2, 2, kInk);
      p.fillRect(5, 14, 2, 2, kInk);
      p.fillRect(9, 14, 2, 2, kInk);
      break;
    case cmd::ReservedRecording:
      p.setPen(kInk);
      p.setBrush(kPaper);
      p.drawEllipse(1, 1, 16, 16);
      p.drawLine(9, 9, 9, 4);
      p.drawLine(9, 9, 13, 11);
      p.fillRect(8, 8, 2, 2, kRed);
      break;
    case cmd::Download:
      p.setPen(kInk);
      p.setBrush(QColor(192, 192, 192));
      p.drawRect(1, 12, 16, 5);
      p.setPen(QPen(kWater, 3));
      p.drawLine(9, 1, 9, 7);
      arrowHead(p, {9, 12}, 0, 1, kWater);
      break;
    case cmd::PrintTables:
      printer(p);
      p.setPen(kInk);
      p.drawLine(6, 14, 12, 14);
      p.drawLine(9, 12, 9, 17);
      break;
    case cmd::FilePrint:
      printer(p);
      p.fillRect(14, 9, 2, 2, kGreen);
      break;
    case cmd::VerticalScale:
      p.setPen(kInk);
      p.drawLine(6, 2, 6, 17);
      for (int y = 3; y <= 15; y += 3) p.drawLine(3, y, 6, y);
      bars(p, 8, 17, {6, 11, 8}, 3);
      break;
    case cmd::HorizontalScale:
      p.setPen(kInk);
      p.drawLine(1, 13, 17, 13);
      for (int x = 2; x <= 17; x += 3) p.drawLine(x, 13, x, 16);
      bars(p, 2, 12, {5, 9, 4, 7}, 4);
      break;
    case cmd::EnlargeVertical: scaleArrow(p, true, true); break;
    case cmd::ShrinkVertical: scaleArrow(p, true, false); break;
    case cmd::EnlargeHorizontal: scaleArrow(p, false, true); break;
    case cmd::ShrinkHorizontal: scaleArrow(p, false, false); break;
    case cmd::InitialSize:
      p.setPen(kInk);
      p.setBrush(Qt::NoBrush);
      p.drawRect(1, 1, 16, 16);
      p.setPen(QPen(kMetal, 1, Qt::DotLine));
      p.drawRect(5, 5, 8, 8);
      arrowHead(p, {2, 2}, -1, -1, kGreen);
      arrowHead(p, {16, 16}, 1, 1, kGreen);
      break;
    case cmd::Undo: turnArrow(p, true); break;
    case cmd::Redo: turnArrow(p, false); break;
    case cmd::About: {
      p.setPen(kInk);
      p.setBrush(QColor(255, 255, 192));
      p.drawEllipse(1, 1, 16, 16);
      QFont f = p.font();
      f.setPixelSize(13);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(0, 0, 160));
      p.drawText(QRect(1, 1, 17, 17), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    default:
      break;
  }
}
}  // namespace

QPixmap toolbarPixmap(int id) {
  QPixmap pm(kToolbarIconSize, kToolbarIconSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  draw(p, id);
  return pm;
}

QIcon programIcon() {
  // A rain gauge: a funnel over a measuring glass, a drop falling in.
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(200, 200, 210));
    p.drawPolygon(QPolygonF({QPointF(6, 10), QPointF(26, 10), QPointF(19, 16), QPointF(13, 16)}));
    p.setBrush(kPaper);
    p.drawRect(QRectF(12, 16, 8, 14));
    p.fillRect(QRectF(13, 22, 6, 7.5), kBar);
    QPainterPath drop;
    drop.moveTo(16, 1);
    drop.cubicTo(19, 5, 19, 8, 16, 8);
    drop.cubicTo(13, 8, 13, 5, 16, 1);
    p.setBrush(kWater);
    p.setPen(Qt::NoPen);
    p.drawPath(drop);
    p.end();
    icon.addPixmap(pm.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  return icon;
}
