#include "ui/accessibility/Accessibility.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFileInfo>
#include <functional>
#include <map>

#include "ui/accessibility/Announcements.h"
#include "ui/accessibility/ControlAccessibles.h"
#include "ui/common/CoreTexts.h"
#include "ui/common/QtText.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/RowList.h"
#include "ui/controls/TabStrip.h"
#include "ui/details/DetailsHint.h"
#include "ui/details/InfoStrip.h"
#include "ui/details/PhotoPreview.h"
#include "ui/home/NavigationLink.h"
#include "ui/insights/InsightsCard.h"
#include "ui/insights/InsightsCharts.h"
#include "ui/insights/LeastWornRow.h"
#include "ui/search/SearchBox.h"
#include "ui/search/SearchResultsBanner.h"
#include "ui/viewer/PhotoCanvas.h"
#include "ui/viewer/PhotoViewer.h"
#include "wardrobe/Item.h"

namespace tavoro::ui {

namespace {

// A text of the table below in the user's language.
QString translated(const char* text) { return QCoreApplication::translate("Accessibility", text); }

// The name each row list goes by.
QString listName(const QString& className) {
  static const std::map<QString, const char*> names = {
      {QStringLiteral("tavoro::ui::CollectionPane"), QT_TRANSLATE_NOOP("Accessibility", "Collections")},
      {QStringLiteral("tavoro::ui::TagPane"), QT_TRANSLATE_NOOP("Accessibility", "Tags")},
      {QStringLiteral("tavoro::ui::SearchResultList"), QT_TRANSLATE_NOOP("Accessibility", "Search results")},
      {QStringLiteral("tavoro::ui::RecentWardrobeList"), QT_TRANSLATE_NOOP("Accessibility", "Recent wardrobes")},
      {QStringLiteral("tavoro::ui::TextRowList"), QT_TRANSLATE_NOOP("Accessibility", "Search suggestions")},
      {QStringLiteral("tavoro::ui::CombinationListView"), QT_TRANSLATE_NOOP("Accessibility", "Combinations")},
      {QStringLiteral("tavoro::ui::CombinationItemList"), QT_TRANSLATE_NOOP("Accessibility", "Items of the combination")},
  };
  const auto found = names.find(className);
  return found == names.end() ? QString() : translated(found->second);
}

// The panes that hold other controls, by the name a screen reader announces
// on entering them.
const char* paneName(const QString& className) {
  static const std::map<QString, const char*> names = {
      {QStringLiteral("tavoro::ui::HomePage"), QT_TRANSLATE_NOOP("Accessibility", "Home")},
      {QStringLiteral("tavoro::ui::HomeNavigationBar"), QT_TRANSLATE_NOOP("Accessibility", "Help and information")},
      {QStringLiteral("tavoro::ui::WardrobePage"), QT_TRANSLATE_NOOP("Accessibility", "Wardrobe")},
      {QStringLiteral("tavoro::ui::ItemListPane"), QT_TRANSLATE_NOOP("Accessibility", "Items")},
      {QStringLiteral("tavoro::ui::ItemDetailsPane"), QT_TRANSLATE_NOOP("Accessibility", "Details")},
      {QStringLiteral("tavoro::ui::SearchResultsPane"), QT_TRANSLATE_NOOP("Accessibility", "Search results")},
      {QStringLiteral("tavoro::ui::CombinationsView"), QT_TRANSLATE_NOOP("Accessibility", "Combinations")},
      {QStringLiteral("tavoro::ui::HeaderBar"), QT_TRANSLATE_NOOP("Accessibility", "Header")},
      {QStringLiteral("tavoro::ui::SuggestionPopup"), QT_TRANSLATE_NOOP("Accessibility", "Search suggestions")},
      {QStringLiteral("tavoro::ui::PhotoViewer"), QT_TRANSLATE_NOOP("Accessibility", "Photo viewer")},
      {QStringLiteral("tavoro::ui::InsightsView"), QT_TRANSLATE_NOOP("Accessibility", "Insights")},
  };
  const auto found = names.find(className);
  return found == names.end() ? nullptr : found->second;
}

QString canvasName(const PhotoCanvas* canvas) {
  const auto* viewer = qobject_cast<const PhotoViewer*>(canvas->parentWidget());
  if (viewer && viewer->index() >= 0) return viewer->photoName(viewer->index());
  return canvas->photoPath().empty() ? QCoreApplication::translate("Accessibility", "No photo")
                                     : QFileInfo(toQString(canvas->photoPath())).fileName();
}

// "3 of 12": the photo's place among those the viewer pages through.
QString canvasPosition(const PhotoCanvas* canvas) {
  const auto* viewer = qobject_cast<const PhotoViewer*>(canvas->parentWidget());
  if (!viewer || viewer->count() == 0) return QString();
  return QCoreApplication::translate("Accessibility", "%1 of %2").arg(viewer->index() + 1).arg(viewer->count());
}

}  // namespace

QAccessibleInterface* accessibleInterfaceFor(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !className.startsWith(QLatin1String("tavoro::ui::"))) return nullptr;

  if (auto* list = qobject_cast<RowList*>(widget); list && className == QLatin1String(list->metaObject()->className()))
    return new RowListAccessible(list, listName(className));
  if (auto* tabs = qobject_cast<TabStrip*>(widget)) return new TabStripAccessible(tabs);
  if (auto* bar = qobject_cast<CommandBar*>(widget)) return new CommandBarAccessible(bar);
  if (auto* link = qobject_cast<NavigationLink*>(widget)) return new NavigationLinkAccessible(link);
  if (auto* strip = qobject_cast<InfoStrip*>(widget))
    return new DescribedAccessible(strip, QAccessible::StaticText,
                                   [strip] { return strip->shownTexts().join(QStringLiteral(", ")); });
  if (qobject_cast<DetailsHint*>(widget))
    return new DescribedAccessible(widget, QAccessible::StaticText, [] { return DetailsHint::hintText(); });
  if (auto* banner = qobject_cast<SearchResultsBanner*>(widget)) {
    return new DescribedAccessible(banner, QAccessible::StaticText, [banner] {
      return bannerTitle(banner->collection()) + QStringLiteral(", ") +
             QCoreApplication::translate("tavoro::ui::SearchResultsBanner", "Search Results");
    });
  }
  if (auto* canvas = qobject_cast<PhotoCanvas*>(widget)) {
    // Paging says the new photo's name and place.
    if (auto* viewer = qobject_cast<PhotoViewer*>(canvas->parentWidget())) {
      QObject::connect(viewer, &PhotoViewer::photoShown, canvas, [canvas] {
        QAccessibleEvent renamed(canvas, QAccessible::NameChanged);
        announce(renamed);
      });
    }
    return new DescribedAccessible(canvas, QAccessible::Graphic, [canvas] { return canvasName(canvas); },
                                   [canvas] { return canvasPosition(canvas); });
  }
  if (auto* preview = qobject_cast<PhotoPreview*>(widget)) {
    return new DescribedAccessible(preview, QAccessible::Graphic, [preview] {
      return preview->item() ? displayName(*preview->item()) : QCoreApplication::translate("Accessibility", "No photo");
    });
  }
  // The insights: each figure (its card and its chart) reads as its plain
  // text, made only when a screen reader asks.
  if (auto* card = qobject_cast<InsightsCard*>(widget))
    return new DescribedAccessible(card, QAccessible::Grouping, [card] { return card->title(); },
                                   [card] { return card->plainText(); });
  if (auto* chart = qobject_cast<InsightsChart*>(widget)) {
    return new DescribedAccessible(chart, QAccessible::Chart, {}, [chart] {
      const InsightsCard* card = cardOf(chart);
      return card ? card->plainText() : QString();
    });
  }
  if (auto* row = qobject_cast<LeastWornRow*>(widget)) return new DescribedAccessible(row, QAccessible::Link, {});
  if (auto* box = qobject_cast<SearchBox*>(widget))
    return new DescribedAccessible(box, QAccessible::Grouping, [] { return QCoreApplication::translate("Accessibility", "Search"); },
                                   [box] { return box->cueText(); });
  if (const char* name = paneName(className))
    return new DescribedAccessible(widget, QAccessible::Pane, [name] { return translated(name); });
  return nullptr;
}

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&accessibleInterfaceFor);
    return true;
  }();
  (void)installed;
}

}  // namespace tavoro::ui
