#include "ui/combinations/AddToCombination.h"

#include <QCoreApplication>
#include <QPointer>

#include "ui/combinations/CombinationNameDialog.h"
#include "ui/common/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/menus/PopupMenu.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/CombinationList.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

CombinationMenu makeCombinationMenu(const CombinationList& list) {
  CombinationMenu out;
  out.menu = std::make_unique<PopupMenu>();
  out.menu->setObjectName(QStringLiteral("AddToCombinationMenu"));
  out.listed = list.byLastChange();
  for (size_t i = 0; i < out.listed.size(); ++i) {
    // A name's "&" is shown, not taken as a mnemonic.
    QString label = toQString(out.listed[i]->name());
    label.replace(QLatin1Char('&'), QLatin1String("&&"));
    out.menu->addCommand(kListedCombination + static_cast<int>(i), label);
  }
  if (!out.listed.empty()) out.menu->addSeparator();
  out.menu->addCommand(kCmdNewCombination, QCoreApplication::translate("AddToCombination", "New Combination..."));
  return out;
}

bool addToCombination(WardrobeSession& session, QWidget* owner, const std::vector<Item*>& items, QPoint globalPos) {
  if (!session.isOpen() || items.empty()) return false;
  QPointer<QWidget> watched(owner);
  CombinationMenu choice = makeCombinationMenu(session.wardrobe()->combinations());
  const int chosen = choice.menu->track(globalPos, owner);
  if (!watched || !session.isOpen()) return false;
  if (chosen == kCmdNewCombination) {
    const std::optional<std::wstring> name = askNewCombinationName(owner, session.wardrobe()->combinations());
    // The dialog ran an event loop: the items may have gone meanwhile.
    if (!name || !watched || !session.isOpen()) return false;
    return session.addCombination(*name, items) != nullptr;
  }
  const int index = chosen - kListedCombination;
  if (index < 0 || index >= static_cast<int>(choice.listed.size())) return false;
  return session.addToCombination(choice.listed[static_cast<size_t>(index)], items);
}

}  // namespace tavoro::ui
