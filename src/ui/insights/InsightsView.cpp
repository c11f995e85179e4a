#include "ui/insights/InsightsView.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <map>

#include "platform/CharClass.h"
#include "ui/common/QtText.h"
#include "ui/common/UiFonts.h"
#include "ui/insights/InsightsCard.h"
#include "ui/insights/InsightsCharts.h"
#include "ui/insights/InsightsText.h"
#include "ui/insights/LeastWornRow.h"
#include "ui/session/WardrobeSession.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::ui {

namespace {

// The tag picked when the user has picked none: a colour, if there is one.
bool isColourKey(const std::wstring& key) {
  return key == L"colour" || key == L"color";
}

}  // namespace

InsightsView::InsightsView(WardrobeSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_scroll(new QScrollArea(this)) {
  setObjectName(QStringLiteral("InsightsView"));
  setAccessibleName(tr("Insights"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(m_scroll);
  m_scroll->setWidgetResizable(true);
  m_scroll->setFrameShape(QFrame::NoFrame);
  m_scroll->setAccessibleName(tr("Insights"));
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("InsightsContent"));
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(12, 10, 12, 12);
  column->setSpacing(10);

  m_summary = new QLabel(content);
  m_summary->setObjectName(QStringLiteral("InsightsSummary"));
  m_summary->setFont(UiFontLarge());
  column->addWidget(m_summary);

  // The charts are made once; a refresh gives them new figures.
  m_collections = new InsightsCard(QStringLiteral("CollectionsCard"), tr("Items per Collection"), content);
  m_collectionsChart = new InsightsChart(InsightsChart::Kind::kBars);
  m_collections->setBody(m_collectionsChart);
  column->addWidget(m_collections);

  m_values = new InsightsCard(QStringLiteral("TagValuesCard"), tr("Items per Value"), content);
  auto* valuesBody = new QWidget;
  auto* valuesLayout = new QVBoxLayout(valuesBody);
  valuesLayout->setContentsMargins(0, 0, 0, 0);
  m_tagChooser = new QComboBox(valuesBody);
  m_tagChooser->setObjectName(QStringLiteral("TagChooser"));
  m_tagChooser->setAccessibleName(tr("Tag"));
  valuesLayout->addWidget(m_tagChooser, 0, Qt::AlignLeft);
  m_valuesChart = new InsightsChart(InsightsChart::Kind::kDonut, valuesBody);
  valuesLayout->addWidget(m_valuesChart, 1);
  m_values->setBody(valuesBody);
  column->addWidget(m_values);
  connect(m_tagChooser, &QComboBox::activated, this, [this] { refresh(); });

  m_wears = new InsightsCard(QStringLiteral("WearsCard"), tr("Wears per Month"), content);
  m_wearsChart = new InsightsChart(InsightsChart::Kind::kLine);
  m_wears->setBody(m_wearsChart);
  column->addWidget(m_wears);

  m_leastWorn = new InsightsCard(QStringLiteral("LeastWornCard"), tr("Least Worn"), content);
  auto* rows = new QWidget;
  m_rowsLayout = new QVBoxLayout(rows);
  m_rowsLayout->setContentsMargins(0, 0, 0, 0);
  m_rowsLayout->setSpacing(2);
  m_leastWorn->setBody(rows);
  column->addWidget(m_leastWorn);

  m_cost = new InsightsCard(QStringLiteral("CostCard"), tr("Cost per Wear"), content);
  auto* costBody = new QWidget;
  auto* costLayout = new QVBoxLayout(costBody);
  costLayout->setContentsMargins(0, 0, 0, 0);
  m_costNote = new QLabel(costBody);
  m_costNote->setWordWrap(true);
  costLayout->addWidget(m_costNote);
  m_costTable = new QTreeWidget(costBody);
  m_costTable->setObjectName(QStringLiteral("CostTable"));
  m_costTable->setAccessibleName(tr("Cost per Wear"));
  m_costTable->setRootIsDecorated(false);
  m_costTable->setHeaderLabels({tr("Item"), tr("Collection"), tr("Price"), tr("Wears"), tr("Per Wear")});
  m_costTable->setMinimumHeight(180);
  costLayout->addWidget(m_costTable);
  m_cost->setBody(costBody);
  column->addWidget(m_cost);
  column->addStretch(1);
  m_scroll->setWidget(content);

  // Every change that moves a figure; removals let go of the model first.
  const auto stale = [this] { markStale(); };
  connect(&m_session, &WardrobeSession::wardrobeOpened, this, stale);
  connect(&m_session, &WardrobeSession::wardrobeAboutToClose, this, [this] { dropFigures(); });
  connect(&m_session, &WardrobeSession::collectionAdded, this, stale);
  connect(&m_session, &WardrobeSession::collectionRenamed, this, stale);
  connect(&m_session, &WardrobeSession::collectionsReordered, this, stale);
  connect(&m_session, &WardrobeSession::collectionAboutToBeRemoved, this, [this] { dropFigures(); });
  connect(&m_session, &WardrobeSession::tagAdded, this, stale);
  connect(&m_session, &WardrobeSession::tagRenamed, this, stale);
  connect(&m_session, &WardrobeSession::tagsRemoved, this, stale);
  connect(&m_session, &WardrobeSession::itemsAdded, this, stale);
  connect(&m_session, &WardrobeSession::itemRenamed, this, stale);
  connect(&m_session, &WardrobeSession::itemsAboutToBeRemoved, this, [this] { dropFigures(); });
  connect(&m_session, &WardrobeSession::valuesChanged, this, stale);
  connect(&m_session, &WardrobeSession::itemsWorn, this, stale);
}

void InsightsView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_stale) refresh();
}

void InsightsView::markStale() {
  m_stale = true;
  if (!isVisible() || m_refreshQueued) return;
  m_refreshQueued = true;
  QTimer::singleShot(0, this, [this] {
    m_refreshQueued = false;
    if (m_stale && isVisible()) refresh();
  });
}

void InsightsView::dropFigures() {
  m_insights = {};
  for (LeastWornRow* row : m_rows) delete row;
  m_rows.clear();
  m_costTable->clear();
  markStale();
}

void InsightsView::fillTagChooser() {
  const QString picked = m_tagChooser->currentText();
  // Each name once (as search compares tag names), in its first spelling.
  std::map<std::wstring, std::wstring> names;
  if (const Wardrobe* wardrobe = m_session.wardrobe())
    for (const auto& collection : wardrobe->collections().collections())
      for (const auto& tag : collection->tags().tags()) names.try_emplace(tag->key(), tag->name());
  m_tagChooser->clear();
  int chosen = -1;
  for (const auto& [key, name] : names) {
    m_tagChooser->addItem(toQString(name));
    if (picked.isEmpty() ? isColourKey(key) : Tag::keyOf(toWString(picked)) == key) chosen = m_tagChooser->count() - 1;
  }
  m_tagChooser->setCurrentIndex(chosen >= 0 ? chosen : (m_tagChooser->count() ? 0 : -1));
}

void InsightsView::refresh() {
  m_stale = false;
  fillTagChooser();
  InsightsRequest request;
  request.today = Date::today();
  request.tagName = toWString(m_tagChooser->currentText());
  request.leastWorn = kLeastWornShown;
  m_insights = m_session.wardrobe() ? computeInsights(*m_session.wardrobe(), request) : WardrobeInsights{};
  m_summary->setText(summaryText(m_insights));
  m_summary->setAccessibleName(m_summary->text());
  showCollections();
  showValues();
  showWears();
  showLeastWorn();
  showCost();
}

// The plain texts read m_insights when asked for: dropFigures empties it
// before the model lets go of anything they name.
void InsightsView::showCollections() {
  m_collectionsChart->showCollections(m_insights);
  m_collections->setPlainText([this] { return collectionsText(m_insights); });
}

void InsightsView::showValues() {
  m_valuesChart->setVisible(m_insights.tag.has_value());
  if (!m_insights.tag) {
    m_values->setPlainText(tr("No tags"));
    return;
  }
  m_valuesChart->showTagValues(*m_insights.tag);
  m_valuesChart->setAccessibleName(tr("Items per value of \"%1\"").arg(toQString(m_insights.tag->name)));
  m_values->setPlainText([this] { return m_insights.tag ? tagValuesText(*m_insights.tag) : tr("No tags"); });
}

void InsightsView::showWears() {
  m_wearsChart->showWears(m_insights.wearsByMonth);
  m_wears->setPlainText([this] { return wearsByMonthText(m_insights.wearsByMonth); });
}

void InsightsView::showLeastWorn() {
  for (LeastWornRow* row : m_rows) delete row;
  m_rows.clear();
  for (const ItemWearFigure& figure : m_insights.leastWorn) {
    auto* row = new LeastWornRow(figure, m_session.previewThumbnails());
    connect(row, &LeastWornRow::chosen, this, &InsightsView::jumpTo);
    m_rowsLayout->addWidget(row);
    m_rows.push_back(row);
  }
  m_leastWorn->setPlainText([this] { return leastWornText(m_insights.leastWorn); });
}

void InsightsView::showCost() {
  const CostFigures& cost = m_insights.cost;
  m_costTable->clear();
  // The dearest wears first; never worn (no figure yet) before them.
  std::vector<const PricedItem*> order;
  for (const PricedItem& priced : cost.items) order.push_back(&priced);
  const auto perWear = [](const PricedItem* priced) {
    return priced->costPerWearCents().value_or(std::numeric_limits<int64_t>::max());
  };
  // Only the rows shown are put in order; ties keep wardrobe order (the
  // items' order in their vector).
  const size_t shown = std::min(order.size(), static_cast<size_t>(kCostRowsShown));
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(shown), order.end(),
                    [&](const PricedItem* a, const PricedItem* b) {
                      const int64_t first = perWear(a);
                      const int64_t second = perWear(b);
                      return first != second ? first > second : a < b;
                    });
  order.resize(shown);
  for (const PricedItem* priced : order) {
    const std::optional<int64_t> each = priced->costPerWearCents();
    auto* row = new QTreeWidgetItem({toQString(priced->item->name()), toQString(priced->collection->name()),
                                     priceText(priced->priceCents), QString::number(priced->wears),
                                     each ? priceText(*each) : tr("never worn")});
    for (int column : {2, 3, 4}) row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    m_costTable->addTopLevelItem(row);
  }
  m_costTable->header()->resizeSections(QHeaderView::ResizeToContents);
  const int refused = static_cast<int>(cost.notAPrice.size());
  QString note = cost.items.empty() && cost.notAPrice.empty()
                     ? tr("No item has a value in a tag named \"Price\" or \"Cost\".")
                     : tr("Total: %1").arg(priceText(cost.totalCents));
  if (refused > 0) note += QLatin1Char(' ') + tr("%n values not read as a price.", nullptr, refused);
  m_costNote->setText(note);
  // Made only when asked for: a line for every priced item.
  m_cost->setPlainText([this] { return costText(m_insights.cost); });
}

void InsightsView::jumpTo(const Item* item) {
  // Leaves this view (the page shows the item list), so the rows go later.
  QTimer::singleShot(0, this, [this, item] {
    // Only an item still shown: one deleted meanwhile has left the figures.
    for (const ItemWearFigure& figure : m_insights.leastWorn)
      if (figure.item == item) return m_session.revealItem(const_cast<Item*>(item));
  });
}

}  // namespace tavoro::ui
