# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build when RINGLACE_SANITIZE is on.
# A sanitizer report fails the test that triggered it (halt_on_error is the default for ASan; UBSan
# is made fatal with -fno-sanitize-recover).
if(RINGLACE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
