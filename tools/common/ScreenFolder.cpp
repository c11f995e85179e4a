#include "ScreenFolder.h"

#include <QDir>
#include <QPixmap>
#include <cstdio>

namespace tavoro::tools {

ScreenFolder::ScreenFolder(const char* program, int argc, char* argv[])
    : m_program(program),
      m_path(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TAVORO_SCREENS_DIR)) {}

bool ScreenFolder::make() const {
  if (QDir().mkpath(m_path)) return true;
  std::fprintf(stderr, "%s: cannot create %s\n", m_program, qPrintable(m_path));
  return false;
}

bool ScreenFolder::save(const QPixmap& picture, const QString& name) const {
  const QString file = m_path + u'/' + name + QStringLiteral(".png");
  if (!picture.save(file)) {
    std::fprintf(stderr, "%s: cannot write %s\n", m_program, qPrintable(file));
    return false;
  }
  std::printf("%s\n", qPrintable(file));
  return true;
}

}  // namespace tavoro::tools
