// The program's pictures by name, and the one table that gives each its file
// in src/ui/resources (compiled in under ":/pictures/"). Constants only; any
// thread.
#pragma once

#include <cstddef>
#include <iterator>

namespace tavoro::ui {

// A new picture gets its value here and its file in kPictureFiles, at the
// same place.
enum class Picture {
  None,  // no picture: drawn as nothing

  // The window and its header.
  ProgramIcon,
  HeaderBackground,
  HomeTab,
  WardrobeTab,

  // The home page.
  HomeBanner,
  HomeNavigationBackground,
  HomeSeparator,
  GetStartedHeading,
  SupportHeading,
  NewWardrobeButtonFace,
  OpenWardrobeButtonFace,
  TutorialsButtonFace,
  DonateButtonFace,
  HomeButtonPressedFrame,
  HomeButtonHoverFrame,
  HelpLinkIcon,
  WebsiteLinkIcon,
  ContactLinkIcon,
  TellAFriendLinkIcon,
  AboutLinkIcon,
  RecentWardrobeIcon,
  RecentWardrobeSelected,
  RecentWardrobeHover,
  RecentWardrobeSelectedHover,

  // Dialogs and menus.
  DialogBanner,
  CommandIcons,
  SubmenuArrow,
  CheckMark,
  RadioMark,

  // The wardrobe page's panes.
  CollectionIcon,
  CollectionCountBadge,
  CollectionRowSelected,
  CollectionRowHover,
  CollectionRowSelectedHover,
  TagRowSelected,
  TagRowSelectedHover,
  InfoStripBackground,
  InfoStripCollectionIcon,
  InfoStripAllCollectionsIcon,
  InfoStripSearchIcon,
  InfoStripSelectedIcon,
  DetailsHintIcon,
  ThumbnailShadow,

  // The search box and its results.
  SearchBoxBackground,
  SearchOptionsButton,
  SearchClearButton,
  SearchResultsBannerBackground,
  SearchResultSelected,
  SearchResultSelectedFocused,
  SearchResultHover,
};

struct PictureFile {
  Picture picture;
  const char* fileName;
};

// Every picture but None with its file, in the order of the enum. Pictures
// drawn in slices or cells say so in a comment at the top of their file.
inline constexpr PictureFile kPictureFiles[] = {
    {Picture::ProgramIcon, "program-icon.svg"},  // also installed as the desktop icon
    {Picture::HeaderBackground, "header-background.svg"},
    {Picture::HomeTab, "home-tab.svg"},
    {Picture::WardrobeTab, "wardrobe-tab.svg"},
    {Picture::HomeBanner, "home-banner.svg"},
    {Picture::HomeNavigationBackground, "home-navigation-background.svg"},
    {Picture::HomeSeparator, "home-separator.svg"},
    {Picture::GetStartedHeading, "get-started-heading.svg"},
    {Picture::SupportHeading, "support-heading.svg"},
    {Picture::NewWardrobeButtonFace, "new-wardrobe-button-face.svg"},
    {Picture::OpenWardrobeButtonFace, "open-wardrobe-button-face.svg"},
    {Picture::TutorialsButtonFace, "tutorials-button-face.svg"},
    {Picture::DonateButtonFace, "donate-button-face.svg"},
    {Picture::HomeButtonPressedFrame, "home-button-pressed-frame.svg"},
    {Picture::HomeButtonHoverFrame, "home-button-hover-frame.svg"},
    {Picture::HelpLinkIcon, "help-link-icon.svg"},
    {Picture::WebsiteLinkIcon, "website-link-icon.svg"},
    {Picture::ContactLinkIcon, "contact-link-icon.svg"},
    {Picture::TellAFriendLinkIcon, "tell-a-friend-link-icon.svg"},
    {Picture::AboutLinkIcon, "about-link-icon.svg"},
    {Picture::RecentWardrobeIcon, "recent-wardrobe-icon.svg"},
    {Picture::RecentWardrobeSelected, "recent-wardrobe-selected.svg"},
    {Picture::RecentWardrobeHover, "recent-wardrobe-hover.svg"},
    {Picture::RecentWardrobeSelectedHover, "recent-wardrobe-selected-hover.svg"},
    {Picture::DialogBanner, "dialog-banner.svg"},
    {Picture::CommandIcons, "command-icons.svg"},
    {Picture::SubmenuArrow, "submenu-arrow.svg"},
    {Picture::CheckMark, "check-mark.svg"},
    {Picture::RadioMark, "radio-mark.svg"},
    {Picture::CollectionIcon, "collection-icon.svg"},
    {Picture::CollectionCountBadge, "collection-count-badge.svg"},
    {Picture::CollectionRowSelected, "collection-row-selected.svg"},
    {Picture::CollectionRowHover, "collection-row-hover.svg"},
    {Picture::CollectionRowSelectedHover, "collection-row-selected-hover.svg"},
    {Picture::TagRowSelected, "tag-row-selected.svg"},
    {Picture::TagRowSelectedHover, "tag-row-selected-hover.svg"},
    {Picture::InfoStripBackground, "info-strip-background.svg"},
    {Picture::InfoStripCollectionIcon, "info-strip-collection-icon.svg"},
    {Picture::InfoStripAllCollectionsIcon, "info-strip-all-collections-icon.svg"},
    {Picture::InfoStripSearchIcon, "info-strip-search-icon.svg"},
    {Picture::InfoStripSelectedIcon, "info-strip-selected-icon.svg"},
    {Picture::DetailsHintIcon, "details-hint-icon.svg"},
    {Picture::ThumbnailShadow, "thumbnail-shadow.svg"},
    {Picture::SearchBoxBackground, "search-box-background.svg"},
    {Picture::SearchOptionsButton, "search-options-button.svg"},
    {Picture::SearchClearButton, "search-clear-button.svg"},
    {Picture::SearchResultsBannerBackground, "search-results-banner-background.svg"},
    {Picture::SearchResultSelected, "search-result-selected.svg"},
    {Picture::SearchResultSelectedFocused, "search-result-selected-focused.svg"},
    {Picture::SearchResultHover, "search-result-hover.svg"},
};

inline constexpr size_t kPictureCount = std::size(kPictureFiles);

// The table holds every picture once, in order, so that a picture's entry is
// found by its number.
consteval bool pictureTableInEnumOrder() {
  for (size_t i = 0; i < kPictureCount; ++i)
    if (kPictureFiles[i].picture != static_cast<Picture>(i + 1)) return false;
  return true;
}
static_assert(pictureTableInEnumOrder(), "kPictureFiles must list every Picture but None, in the enum's order");

// The picture's file name within the pictures, or nullptr for None.
constexpr const char* pictureFileName(Picture picture) {
  const size_t index = static_cast<size_t>(picture);
  return index >= 1 && index <= kPictureCount ? kPictureFiles[index - 1].fileName : nullptr;
}

}  // namespace tavoro::ui
