// How often and when something was last worn, as the window says it ("Worn 3
// times, last on 2026-12-01", "Never worn"). Days are written as in the
// wardrobe file and the search terms (YYYY-MM-DD). User-interface thread only
// (reads the installed catalogue).
#pragma once

#include <QString>

namespace tavoro {
class WearDates;
}

namespace tavoro::ui {

QString wearSummary(const WearDates& worn);

}  // namespace tavoro::ui
