# cmake -DCATALOGUE=<updated .ts> [-DSOURCE=<.ts in the sources>] -P CheckCatalogue.cmake
# Fails, naming each text, when the catalogue (brought up to date with the
# sources by lupdate) holds a text without a finished translation: a new text
# of the window, or one whose English changed, must be translated before the
# program builds.
file(READ "${CATALOGUE}" content)
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*(<comment>[^<]*</comment>[ \t\r\n]*)?<translation type=\"unfinished\"" unfinished "${content}")
string(REGEX MATCHALL "<translation>[ \t\r\n]*</translation>|<numerusform>[ \t\r\n]*</numerusform>" empty "${content}")
list(LENGTH unfinished unfinished_count)
list(LENGTH empty empty_count)
if(unfinished_count GREATER 0 OR empty_count GREATER 0)
  set(names "")
  foreach(entry ${unfinished})
    string(REGEX REPLACE "^<source>([^<]*)</source>.*$" "\\1" text "${entry}")
    string(APPEND names "\n  \"${text}\"")
  endforeach()
  if(NOT SOURCE)
    set(SOURCE "${CATALOGUE}")
  endif()
  message(FATAL_ERROR "The catalogue ${SOURCE} is unfinished: ${unfinished_count} text(s) of the window have no "
    "translation and ${empty_count} translation(s) are empty.${names}\n"
    "Run `cmake --build <build folder> --target tavoro_update_translations`, translate the texts marked "
    "unfinished in ${SOURCE} (Qt Linguist, or by hand: fill in <translation> and remove type=\"unfinished\"), "
    "and build again. See \"Translations\" in README.md.")
endif()
