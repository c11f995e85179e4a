#include "QtTestApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace tavoro::test {

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    // Run directly (not through ctest) the tests still need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    m_app = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { m_app.reset(); }

 private:
  std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QImage renderWidget(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  widget.render(&image);
  return image;
}

int countPixels(const QImage& image, QColor colour, QRect area) {
  if (area.isEmpty()) area = image.rect();
  area &= image.rect();
  const QRgb wanted = colour.rgb();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) | 0xFF000000u) == (wanted | 0xFF000000u)) ++count;
  return count;
}

}  // namespace tavoro::test
