// A scroll bar drawn through the clipping style looks exactly like one drawn
// by the application's style, in every state it can show.
#include "ClippedControlStyle.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

TEST(ClippedControlStyle, ScrollBarPixelsAreTheApplicationStyles) {
  for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
    QScrollBar plain(orientation), clipped(orientation);
    ClippedControlStyle::install(clipped);
    ASSERT_NE(clipped.style(), plain.style());
    const QSize size = orientation == Qt::Horizontal ? QSize(600, 16) : QSize(16, 400);
    const std::vector<std::pair<std::string, std::function<void(QScrollBar&)>>> states = {
        {"at the start", [](QScrollBar& b) { b.setRange(0, 1000); b.setPageStep(100); b.setValue(0); }},
        {"in the middle", [](QScrollBar& b) { b.setValue(437); }},
        {"at the end, long page", [](QScrollBar& b) { b.setPageStep(900); b.setValue(1000); }},
        {"handle pressed", [](QScrollBar& b) {
           b.setPageStep(200);
           b.setValue(400);
           const QPoint middle = b.rect().center();
           QTest::mousePress(&b, Qt::LeftButton, Qt::NoModifier, middle);
         }},
        {"released", [](QScrollBar& b) { QTest::mouseRelease(&b, Qt::LeftButton, Qt::NoModifier, b.rect().center()); }},
        {"no range", [](QScrollBar& b) { b.setRange(0, 0); }},
        {"disabled", [](QScrollBar& b) { b.setRange(0, 50); b.setEnabled(false); }},
    };
    for (QScrollBar* bar : {&plain, &clipped}) {
      bar->resize(size);
      bar->show();
    }
    for (const auto& [name, apply] : states) {
      apply(plain);
      apply(clipped);
      const QImage expected = plain.grab().toImage();
      const QImage actual = clipped.grab().toImage();
      ASSERT_FALSE(expected.isNull());
      EXPECT_TRUE(expected == actual) << name << (orientation == Qt::Horizontal ? ", horizontal" : ", vertical");
    }
  }
}
