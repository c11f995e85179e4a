// The program as a user starts it: real "tavoro" processes on the offscreen
// platform, each in a scratch home, runtime and program folder.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <csignal>

#include "TempDir.h"
#include "TestFiles.h"
#include "app/HandoverFrame.h"
#include "app/InstanceLock.h"
#include "platform/FileSystem.h"
#include "platform/FileTime.h"
#include "platform/Utf8.h"
#include "ui/common/QtText.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

QString q(const std::wstring& text) { return ui::toQString(text); }

class ProgramProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A copy of the program that is not installed keeps Settings.xml beside
    // itself: in the scratch folder.
    ASSERT_TRUE(createFolders(m_dir / L"program"));
    ASSERT_TRUE(createFolders(m_dir / L"home"));
    const QString built = QString::fromStdString(test::buildFolder() + "/bin/tavoro");
    m_program = q(m_dir / L"program/tavoro");
    ASSERT_TRUE(QFile::copy(built, m_program)) << "cannot copy " << built.toStdString();
    ASSERT_TRUE(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("HOME"), q(m_dir / L"home"));
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), q(m_dir / L"home/.config"));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), q(m_dir.path()));
    m_environment.remove(QStringLiteral("TAVORO_EXIT_AT_FIRST_IDLE"));
    m_socket = q(m_dir / (L"Quillmoor/Tavoro/" + std::wstring(kInstanceName)));
  }

  void TearDown() override {
    for (auto& process : m_processes) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(5000);
      }
    }
  }

  QProcess& launch(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(m_environment);
    process->setWorkingDirectory(q(m_dir.path()));
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(m_program, arguments);
    EXPECT_TRUE(process->waitForStarted(10000));
    m_processes.push_back(std::move(process));
    return *m_processes.back();
  }

  // The first instance is ready once its hand-over socket answers.
  bool waitUntilListening() {
    return QTest::qWaitFor(
        [this] {
          QLocalSocket probe;
          probe.connectToServer(m_socket);
          const bool up = probe.waitForConnected(100);
          probe.abort();
          return up;
        },
        30000);
  }

  // Ends an instance as the session would, which closes it as the user does.
  int terminate(QProcess& process) {
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    EXPECT_TRUE(process.waitForFinished(30000));
    return process.exitCode();
  }

  std::wstring writeWardrobeFile(const std::wstring& name) {
    Wardrobe wardrobe(m_dir / (L"wardrobes/" + name), name);
    EXPECT_TRUE(writeWardrobe(wardrobe));
    return wardrobe.wardrobeFilePath();
  }

  std::string settings() const { return test::readFile(m_dir / L"program/Settings.xml"); }

  test::TempDir m_dir;
  QString m_program;
  QString m_socket;
  QProcessEnvironment m_environment;
  std::vector<std::unique_ptr<QProcess>> m_processes;
};

TEST_F(ProgramProcessTest, ASecondStartHandsItsPathToTheFirstAndEnds) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  QProcess& first = launch({});
  ASSERT_TRUE(waitUntilListening());

  // Malformed and half-sent frames do not disturb the running instance.
  QLocalSocket junk;
  junk.connectToServer(m_socket);
  ASSERT_TRUE(junk.waitForConnected(2000));
  junk.write(QByteArray("\0\0\0\0\xff\xff\xff\x7f", 8));
  QLocalSocket stalled;
  stalled.connectToServer(m_socket);
  ASSERT_TRUE(stalled.waitForConnected(2000));
  stalled.write(QByteArray("\0\0\0\0", 4));
  junk.flush();
  stalled.flush();

  // Relative to the second start's own folder.
  QProcess& second = launch({QStringLiteral("wardrobes/Summer/Summer.twd")});
  ASSERT_TRUE(second.waitForFinished(15000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  EXPECT_EQ(terminate(first), 0);
  const std::string written = settings();
  EXPECT_NE(written.find("<File path=\"" + toUtf8(summer) + "\""), std::string::npos) << written;
  EXPECT_NE(written.find("last_wardrobe_active=\"1\""), std::string::npos) << written;
  EXPECT_NE(written.find("active_tab=\"1\""), std::string::npos) << written;
}

TEST_F(ProgramProcessTest, ASecondStartWithoutArgumentsOnlyActivates) {
  QProcess& first = launch({});
  ASSERT_TRUE(waitUntilListening());
  QProcess& second = launch({});
  ASSERT_TRUE(second.waitForFinished(15000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_EQ(terminate(first), 0);
  const std::string written = settings();
  EXPECT_NE(written.find("last_wardrobe_active=\"0\""), std::string::npos) << written;
  EXPECT_EQ(written.find("<File "), std::string::npos) << written;
}

TEST_F(ProgramProcessTest, TheLastWardrobeReopensOnTheNextStart) {
  const std::wstring summer = writeWardrobeFile(L"Summer");
  QProcess& first = launch({q(summer)});
  ASSERT_TRUE(waitUntilListening());
  EXPECT_EQ(terminate(first), 0);
  EXPECT_NE(settings().find("last_wardrobe_active=\"1\""), std::string::npos) << settings();

  // Reopened at start, the wardrobe is saved again at exit.
  FileTimes before, after;
  ASSERT_TRUE(fileTimes(summer, before));
  QProcess& second = launch({});
  ASSERT_TRUE(waitUntilListening());
  EXPECT_EQ(terminate(second), 0);
  ASSERT_TRUE(fileTimes(summer, after));
  EXPECT_NE(after.lastWrite, before.lastWrite);

  // A wardrobe that is gone cannot come back: it leaves the list silently.
  ASSERT_TRUE(removeFile(summer));
  QProcess& third = launch({});
  ASSERT_TRUE(waitUntilListening());
  EXPECT_EQ(terminate(third), 0);
  EXPECT_EQ(settings().find("<File "), std::string::npos) << settings();
  EXPECT_NE(settings().find("last_wardrobe_active=\"0\""), std::string::npos) << settings();
}

// A real X server with a real window manager, which puts a frame around the
// window once it is mapped; both are ended with the object. The server never
// resets: by default it does when its last client leaves, and xprop asking
// while the window manager connects would leave the manager refused.
class ManagedDisplay {
 public:
  ManagedDisplay() {
    // Two servers starting at once may pick the same free display; the one
    // that loses exits at once, and is started again.
    for (int attempt = 0; attempt < 3 && !m_server.canReadLine(); ++attempt) {
      m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                              QStringLiteral("0"), QStringLiteral("1600x1200x24"),
                                              QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                              QStringLiteral("-noreset")});
      if (!m_server.waitForStarted(10000)) return;
      (void)QTest::qWaitFor(
          [this] { return m_server.canReadLine() || m_server.state() == QProcess::NotRunning; }, 30000);
    }
    if (!m_server.canReadLine()) return;
    m_display = QStringLiteral(":") + QString::fromLatin1(m_server.readLine()).trimmed();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    m_manager.setProcessEnvironment(environment);
    m_manager.start(QStringLiteral("openbox"), {});
    // Running once it has claimed the screen as its own.
    m_ready = m_manager.waitForStarted(10000) &&
              QTest::qWaitFor([this] { return rootProperty("_NET_SUPPORTING_WM_CHECK").contains("window id"); }, 30000);
  }
  ~ManagedDisplay() {
    for (QProcess* process : {&m_manager, &m_server}) {
      process->terminate();
      if (!process->waitForFinished(5000)) process->kill();
      process->waitForFinished(5000);
    }
  }
  bool ready() const { return m_ready; }
  const QString& display() const { return m_display; }

  // What an X tool prints about the display.
  QString ask(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
  }
  QString rootProperty(const char* name) const {
    return ask(QStringLiteral("xprop"), {QStringLiteral("-root"), QString::fromLatin1(name)});
  }

 private:
  QProcess m_server;
  QProcess m_manager;
  QString m_display;
  bool m_ready = false;
};

// Under a window manager, which adds its frame only once the window is
// mapped, the window comes back where it was left, run after run.
TEST_F(ProgramProcessTest, TheWindowStaysWhereItWasLeftUnderAWindowManager) {
  for (const char* tool : {"Xvfb", "openbox", "xprop", "xwininfo"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
      GTEST_SKIP() << tool << " is missing: scripts/setup.sh installs it";
  ManagedDisplay display;
  ASSERT_TRUE(display.ready()) << "Xvfb and openbox did not start";
  m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  m_environment.insert(QStringLiteral("DISPLAY"), display.display());
  // The X libraries' own reports under AddressSanitizer are let pass.
  m_environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       m_environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":suppressions=") +
                           QString::fromStdString(test::sourceFolder()) + QStringLiteral("/scripts/asan.supp"));
  const std::string placed = "x=\"100\" y=\"80\" width=\"1000\" height=\"700\" maximized=\"0\"";
  test::writeFile(m_dir / L"program/Settings.xml",
                  "<?xml version=\"1.0\"?><TavoroSettings version=\"1.0\" "
                  "xmlns=\"http://www.tavoro.example/xmlns/settings\"><States><Application debut=\"0\"/>"
                  "<MainFrame " +
                      placed + "/></States></TavoroSettings>");
  for (int run = 1; run <= 3; ++run) {
    QProcess& program = launch({});
    ASSERT_TRUE(waitUntilListening());
    // Framed by the window manager and shown.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          return display
              .ask(QStringLiteral("xwininfo"), {QStringLiteral("-name"), QStringLiteral("Tavoro Wardrobe Manager")})
              .contains(QStringLiteral("IsViewable"));
        },
        30000));
    const QString where =
        display.ask(QStringLiteral("xwininfo"), {QStringLiteral("-name"), QStringLiteral("Tavoro Wardrobe Manager")});
    EXPECT_TRUE(where.contains(QStringLiteral("Absolute upper-left X:  100")) &&
                where.contains(QStringLiteral("Absolute upper-left Y:  80")))
        << "run " << run << ":\n"
        << where.toStdString();
    EXPECT_EQ(terminate(program), 0);
    EXPECT_NE(settings().find(placed), std::string::npos) << "run " << run << ": " << settings();
  }
}

}  // namespace
}  // namespace tavoro
