// A window's session over a real wardrobe in a temporary folder: the
// wardrobe is built first (collections, items, values) and then opened, as
// the lifecycle opens a wardrobe read from its file; the desktop's trash is
// a folder of its own (XDG_DATA_HOME) for the session's life; and commands
// triggered as a user would, failing the test when the command is missing or
// disabled.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>
#include <memory>
#include <string>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "ui/common/CommandActions.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::test {

class TestSession {
 public:
  explicit TestSession(const std::wstring& name = L"Wardrobe")
      : m_dataHome("XDG_DATA_HOME", m_dir / L"data-home"), m_wardrobe(std::make_unique<Wardrobe>(m_dir / name, name)) {}

  // The wardrobe: still being built until open(), then the session's.
  Wardrobe& wardrobe() { return session.isOpen() ? *session.wardrobe() : *m_wardrobe; }
  const TempDir& dir() const { return m_dir; }
  // Where the desktop's trash keeps the files moved into it.
  std::wstring trashFiles() const { return m_dir / L"data-home/Trash/files"; }
  void open() { ASSERT_TRUE(session.open(m_wardrobe)); }
  // Closes the open wardrobe and starts building a new one.
  void reset(const std::wstring& name = L"Wardrobe") {
    session.close();
    m_wardrobe = std::make_unique<Wardrobe>(m_dir / name, name);
  }

  ui::WardrobeSession session;

 private:
  TempDir m_dir;
  ScopedEnv m_dataHome;
  std::unique_ptr<Wardrobe> m_wardrobe;
};

// Triggers owner's action for the command as a key or a menu would: fails
// (returning false) when owner has no such action or it is disabled.
inline bool trigger(QWidget* owner, int commandId) {
  QAction* action = ui::findCommandAction(owner, commandId);
  if (!action) {
    ADD_FAILURE() << (owner ? owner->objectName().toStdString() : std::string("(null)"))
                  << " has no action for command " << commandId;
    return false;
  }
  if (!action->isEnabled()) {
    ADD_FAILURE() << owner->objectName().toStdString() << ": command " << commandId << " ("
                  << action->text().toStdString() << ") is disabled";
    return false;
  }
  action->trigger();
  return true;
}

}  // namespace tavoro::test
