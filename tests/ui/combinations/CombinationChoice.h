// Answers the "Add to Combination" menu and the name dialog as a user would,
// from a zero-time timer that runs once the menu (or the dialog) is shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <string>

#include "ui/combinations/AddToCombination.h"
#include "ui/combinations/CombinationNameDialog.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/menus/PopupMenu.h"

namespace tavoro::test {

// Types names into the name dialog one after another (each OK pressed), then
// cancels it if it is still open.
inline void answerNameDialog(std::vector<std::wstring> names, int tries = 300) {
  QTimer::singleShot(tries == 300 ? 0 : 10, [names, tries] {
    auto* dialog = qobject_cast<ui::CombinationNameDialog*>(QApplication::activeModalWidget());
    // The menu may still be closing: the dialog comes once it has.
    if (!dialog && tries > 0) return answerNameDialog(names, tries - 1);
    ASSERT_NE(dialog, nullptr) << "no name dialog";
    for (const std::wstring& name : names) {
      if (!dialog->isVisible()) break;
      dialog->nameField()->setText(ui::toQString(name));
      dialog->accept();
    }
    if (dialog->isVisible()) dialog->reject();
  });
}

// Chooses the menu's entry for commandId (kListedCombination + i for the
// i-th combination listed); names are typed into the dialog that
// kCmdNewCombination opens. Records the menu's entry texts in *entries.
inline void chooseInCombinationMenu(int commandId, std::vector<std::wstring> names = {},
                                    std::vector<std::wstring>* entries = nullptr) {
  QTimer::singleShot(0, [commandId, names, entries] {
    auto* menu = qobject_cast<ui::PopupMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no menu shown";
    if (entries)
      for (QAction* action : menu->actions())
        if (!action->isSeparator()) entries->push_back(ui::toWString(action->text()));
    QAction* action = menu->commandAction(commandId);
    if (!action) {
      menu->close();
      ADD_FAILURE() << "no entry " << commandId;
      return;
    }
    if (commandId == ui::kCmdNewCombination) answerNameDialog(names);
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
  });
}

}  // namespace tavoro::test
