# Run by "cmake --install" after the files are in place: puts the "tavoro"
# link on the path and refreshes the desktop's file type and application
# caches (a staged install, with DESTDIR, leaves that to the package's own
# scripts). Expects TAVORO_BIN_DIR, TAVORO_DATA_DIR (relative to the prefix)
# and TAVORO_LINK_TARGET (the program, relative to TAVORO_BIN_DIR).
set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${TAVORO_BIN_DIR}")
file(MAKE_DIRECTORY "${bin}")
file(REMOVE "${bin}/tavoro")
file(CREATE_LINK "${TAVORO_LINK_TARGET}" "${bin}/tavoro" SYMBOLIC)
message(STATUS "Linking: ${bin}/tavoro -> ${TAVORO_LINK_TARGET}")

if("$ENV{DESTDIR}" STREQUAL "")
  find_program(TAVORO_UPDATE_MIME update-mime-database)
  find_program(TAVORO_UPDATE_DESKTOP update-desktop-database)
  if(TAVORO_UPDATE_MIME)
    execute_process(COMMAND "${TAVORO_UPDATE_MIME}" "${CMAKE_INSTALL_PREFIX}/${TAVORO_DATA_DIR}/mime")
  endif()
  if(TAVORO_UPDATE_DESKTOP)
    execute_process(COMMAND "${TAVORO_UPDATE_DESKTOP}" "${CMAKE_INSTALL_PREFIX}/${TAVORO_DATA_DIR}/applications")
  endif()
endif()
