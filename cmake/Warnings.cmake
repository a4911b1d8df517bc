# Warnings every target of the project is built with.
add_library(ringlace_warnings INTERFACE)
target_compile_options(ringlace_warnings INTERFACE
  -Wall        # the common warnings
  -Wextra      # and the less common ones that still catch real mistakes
  -Wshadow     # a name that hides another in an outer scope reads as the wrong variable
  -Werror      # a warning stops the build, so none accumulate
)
