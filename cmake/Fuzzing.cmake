# The fuzzing build: every target compiled with libFuzzer's coverage hooks, AddressSanitizer and
# UndefinedBehaviorSanitizer, so the harnesses in fuzz/ find crashes, memory errors and undefined
# behaviour in the core's readers. A UBSan report aborts, so the fuzzer keeps it as a finding.
if(RINGLACE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "RINGLACE_FUZZ needs clang++ (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
