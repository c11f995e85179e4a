# Warnings apply to the project's own targets only, through this interface target.
add_library(tavoro_warnings INTERFACE)
target_compile_options(tavoro_warnings INTERFACE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
