# Warnings every target of the project is built with.
add_library(ringlace_warnings INTERFACE)
target_compile_options(ringlace_warnings INTERFACE
  -Wall        # the common warnings
  -Wextra      # and the less common ones that still catch real mistakes
  -Wshadow     # a name that hides another in an outer scope reads as the wrong variable
)

# GCC 12 at -O3 inlines libstdc++'s string and vector code far enough to see copies and compares
# of impossible sizes in it: "literal" + std::string warns with -Wrestrict, comparing two vectors
# with -Wstringop-overread. Both are false alarms about the library's own code, and they would stop
# a Release build with -Werror.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(ringlace_warnings INTERFACE -Wno-restrict -Wno-stringop-overread)
endif()

# A warning stops the project's own builds (scripts/build, scripts/test, the dev, sanitize and
# fuzz presets), so none accumulate; anyone else's build, with a compiler the project has not met,
# only shows it.
if(RINGLACE_WERROR)
  target_compile_options(ringlace_warnings INTERFACE -Werror)
endif()
