#include "ClippedControlStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QWidget>

void ClippedControlStyle::install(QWidget& widget) {
  QStyle* base = QStyleFactory::create(QApplication::style()->name());
  if (base == nullptr) return;
  auto* style = new ClippedControlStyle(base);
  style->setParent(&widget);
  widget.setStyle(style);
}

void ClippedControlStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                             QPainter* painter, const QWidget* widget) const {
  painter->save();
  painter->setClipRect(option->rect, Qt::IntersectClip);
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  painter->restore();
}
