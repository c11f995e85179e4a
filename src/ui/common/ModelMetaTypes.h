// The wardrobe's objects travel between panes and the page as plain pointers
// in signals; Qt needs to know the pointer types to queue or record them
// (QSignalSpy) without seeing the classes. Signals spell them in full
// (tavoro::Item*), the name they are registered under.
#pragma once

#include <QMetaType>
#include <vector>

namespace tavoro {
class Collection;
class Combination;
class Item;
class Tag;
class Wardrobe;
}  // namespace tavoro

Q_DECLARE_OPAQUE_POINTER(tavoro::Collection*)
Q_DECLARE_METATYPE(tavoro::Collection*)
Q_DECLARE_OPAQUE_POINTER(tavoro::Combination*)
Q_DECLARE_METATYPE(tavoro::Combination*)
Q_DECLARE_OPAQUE_POINTER(tavoro::Item*)
Q_DECLARE_METATYPE(tavoro::Item*)
Q_DECLARE_OPAQUE_POINTER(tavoro::Tag*)
Q_DECLARE_METATYPE(tavoro::Tag*)
Q_DECLARE_OPAQUE_POINTER(tavoro::Wardrobe*)
Q_DECLARE_METATYPE(tavoro::Wardrobe*)

namespace tavoro::ui {

// Registers the pointer types by name (once is enough; again is harmless).
inline void registerModelMetaTypes() {
  qRegisterMetaType<tavoro::Collection*>();
  qRegisterMetaType<tavoro::Combination*>();
  qRegisterMetaType<tavoro::Item*>();
  qRegisterMetaType<tavoro::Tag*>();
  qRegisterMetaType<tavoro::Wardrobe*>();
  qRegisterMetaType<std::vector<tavoro::Item*>>();
}

}  // namespace tavoro::ui
