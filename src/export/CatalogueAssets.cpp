// The style sheet and filter script of the web catalogue, written beside its
// pages. Plain CSS and JavaScript: the pages open from disk in any browser,
// with no network and no framework.
#include "CataloguePages.h"

namespace tavoro {

const char* const kCatalogueStyleSheet = R"css(body {
  font-family: system-ui, sans-serif;
  margin: 0 auto;
  max-width: 72rem;
  padding: 1rem;
  color: #222;
  background: #fafafa;
}
a { color: #2a5db0; }
header { margin-bottom: 1rem; }
h1 { margin: 0.2rem 0 0.6rem; white-space: pre-line; }
.crumbs { margin: 0; }
.filter input { font-size: 1rem; padding: 0.3rem 0.5rem; width: 18rem; max-width: 100%; }
.items {
  display: grid;
  grid-template-columns: repeat(auto-fill, minmax(16rem, 1fr));
  gap: 1rem;
}
.item {
  background: #fff;
  border: 1px solid #ddd;
  border-radius: 6px;
  padding: 0.75rem;
}
.item[hidden], #none[hidden] { display: none; }
.item h2 { font-size: 1.05rem; margin: 0.5rem 0; white-space: pre-line; overflow-wrap: anywhere; }
.photos { display: flex; flex-wrap: wrap; gap: 0.5rem; }
figure { margin: 0; }
figure img { display: block; max-width: 100%; height: auto; background: #eee; }
figcaption, .added, .count { font-size: 0.8rem; color: #666; }
.missing { width: 240px; height: 120px; display: flex; align-items: center; justify-content: center; background: #eee; color: #666; }
dl { display: grid; grid-template-columns: auto 1fr; gap: 0.15rem 0.75rem; margin: 0.5rem 0; font-size: 0.9rem; }
dt { color: #666; white-space: pre-line; }
dd { margin: 0; white-space: pre-line; overflow-wrap: anywhere; }
)css";

const char* const kCatalogueScript = R"js(// Filters the items of the page as the user types: an item stays shown when
// its text holds every word typed, regardless of case.
(function () {
  "use strict";
  var input = document.getElementById("filter");
  var count = document.getElementById("count");
  var none = document.getElementById("none");
  if (!input || !count) return;
  var items = Array.prototype.slice.call(document.querySelectorAll(".item"));
  var texts = items.map(function (item) { return item.textContent.toLocaleLowerCase(); });
  var all = count.textContent;

  function apply() {
    var words = input.value.toLocaleLowerCase().split(/\s+/).filter(function (w) { return w.length > 0; });
    var shown = 0;
    items.forEach(function (item, i) {
      var match = words.every(function (word) { return texts[i].indexOf(word) >= 0; });
      item.hidden = !match;
      if (match) shown += 1;
    });
    count.textContent = words.length > 0 ? shown + " of " + items.length + " shown" : all;
    if (none) none.hidden = shown > 0 || items.length === 0;
  }

  input.addEventListener("input", apply);
  apply();  // a value the browser kept when going back to the page
})();
)js";

}  // namespace tavoro
