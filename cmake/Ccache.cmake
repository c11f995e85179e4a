# Compiles through ccache when it is installed, so that a fresh clone (CI, a
# second worktree) rebuilds only what differs from a build this machine made
# before. Paths are taken relative to the source folder so that the cache
# serves every clone of the project alike.
find_program(TAVORO_CCACHE ccache)
if(TAVORO_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1 ${TAVORO_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_C_COMPILER_LAUNCHER})
endif()
