#include "ui/accessibility/ControlNames.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>
#include <map>
#include <utility>

#include "ui/home/HomePageDialog.h"

namespace tavoro::ui {

namespace {

// By object name: the controls' names and descriptions.
struct ControlName {
  const char* objectName;
  const char* name;
  const char* description;
};

constexpr ControlName kNames[] = {
    {"ItemGridView", QT_TRANSLATE_NOOP("Accessibility", "Items"), nullptr},
    {"ItemTableView", QT_TRANSLATE_NOOP("Accessibility", "Items"), nullptr},
    {"SearchEdit", QT_TRANSLATE_NOOP("Accessibility", "Search"), nullptr},
    {"SearchClearButton", QT_TRANSLATE_NOOP("Accessibility", "Clear search"), nullptr},
    {"SearchOptionsButton", QT_TRANSLATE_NOOP("Accessibility", "Search options"), nullptr},
    {"InlineEditor", QT_TRANSLATE_NOOP("Accessibility", "Name"), nullptr},
    {"TagNameEdit", QT_TRANSLATE_NOOP("Accessibility", "Tag name"), nullptr},
    {"TagValueEdit", QT_TRANSLATE_NOOP("Accessibility", "Value"), nullptr},
    {"WornTodayButton", QT_TRANSLATE_NOOP("Accessibility", "Worn Today"),
     QT_TRANSLATE_NOOP("Accessibility", "Records today as a day this item was worn")},
};

// The home page's picture buttons, by their control number: the words their
// pictures show.
const std::map<int, std::pair<const char*, const char*>>& homeButtonNames() {
  static const std::map<int, std::pair<const char*, const char*>> names = {
      {HomePageDialog::kIdCreate,
       {QT_TRANSLATE_NOOP("Pictures", "Create a New Wardrobe"),
        QT_TRANSLATE_NOOP("Pictures", "Start a catalogue of your clothes")}},
      {HomePageDialog::kIdOpen,
       {QT_TRANSLATE_NOOP("Pictures", "Open an Existing Wardrobe"),
        QT_TRANSLATE_NOOP("Pictures", "Carry on with a wardrobe you saved")}},
      {HomePageDialog::kIdTutorials,
       {QT_TRANSLATE_NOOP("Pictures", "View Online Tutorials"),
        QT_TRANSLATE_NOOP("Pictures", "Learn Tavoro step by step")}},
      {HomePageDialog::kIdDonate,
       {QT_TRANSLATE_NOOP("Pictures", "Make a Donation"), QT_TRANSLATE_NOOP("Pictures", "Help Tavoro grow")}},
  };
  return names;
}

void name(QWidget* widget, const char* context, const char* text, const char* description) {
  if (widget->accessibleName().isEmpty()) widget->setAccessibleName(QCoreApplication::translate(context, text));
  if (description && widget->accessibleDescription().isEmpty())
    widget->setAccessibleDescription(QCoreApplication::translate(context, description));
}

}  // namespace

void nameControls(QWidget* view) {
  for (const ControlName& entry : kNames)
    for (QWidget* widget : view->findChildren<QWidget*>(QString::fromLatin1(entry.objectName)))
      name(widget, "Accessibility", entry.name, entry.description);
  for (QWidget* button : view->findChildren<QWidget*>(QStringLiteral("WTL_BitmapButton"))) {
    const auto found = homeButtonNames().find(button->property("controlId").toInt());
    if (found != homeButtonNames().end()) name(button, "Pictures", found->second.first, found->second.second);
  }
}

}  // namespace tavoro::ui
