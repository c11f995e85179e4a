// Where the screen-rendering tools put their pictures: the folder named on
// the command line, or the build's "screens/" folder. Each picture is saved
// as NAME.png and its path printed, so that a reviewer can open them in turn.
#pragma once

#include <QString>

class QPixmap;

namespace tavoro::tools {

class ScreenFolder {
 public:
  // program names the tool in messages; argv[1], when given, is the folder.
  ScreenFolder(const char* program, int argc, char* argv[]);
  // Makes the folder; false, with a message on stderr, when it cannot.
  bool make() const;
  const QString& path() const { return m_path; }
  // Writes picture as NAME.png and prints its path; false, with a message, on failure.
  bool save(const QPixmap& picture, const QString& name) const;

 private:
  const char* m_program;
  QString m_path;
};

}  // namespace tavoro::tools
