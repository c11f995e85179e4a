// How the tag pane draws an item's value: plain, or for an item chosen in the
// search results with the stretches the search matched on a highlight.
// User-interface thread only (the highlight comes from the search engine).
#pragma once

#include <QRect>
#include <string>

class QPainter;

namespace tavoro {
class SearchEngine;
}

namespace tavoro::ui {

// Draws value in rect on one line, vertically centred, cut with an ellipsis,
// in the pane's value font and colour; with the matches of search (when
// given) on their highlight.
void drawTagValue(QPainter& painter, const QRect& rect, const std::wstring& value, const std::wstring& tagName,
                  SearchEngine* search);

}  // namespace tavoro::ui
