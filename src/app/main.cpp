// Tavoro's entry point: until the main frame exists, an empty main window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Tavoro Wardrobe Manager"));
  window.resize(920, 640);
  window.show();
  return app.exec();
}
