// What the combinations view's rows share in their drawing: the colours of
// their texts (their background is the search results' rows'). User-interface
// thread only.
#pragma once

#include <QColor>

namespace tavoro::ui {

inline const QColor kCombinationText(61, 75, 102);
inline const QColor kCombinationDetail(130, 138, 153);

}  // namespace tavoro::ui
