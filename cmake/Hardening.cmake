# Sanitizer and fuzzing builds (clang only). scripts/hardening.sh uses both:
#
#   TIKANDA_SANITIZE  the behaviour library and the headless tests with AddressSanitizer
#                     and UndefinedBehaviorSanitizer; any report ends the process with an
#                     error, so a test run with a report fails.
#   TIKANDA_FUZZ      one libFuzzer executable fuzz_<name> per fuzz/<name>.cpp, linked with
#                     the behaviour library built with coverage instrumentation (and the
#                     same sanitizers).
#
# Both options may be on in one build tree: the instrumented library then serves the tests
# and the fuzzers alike. Meant for TIKANDA_BUILD_UI=OFF; with the UI on, everything that
# links the behaviour library gets the sanitizer runtime too.

option(TIKANDA_SANITIZE "Build the behaviour and its tests with ASan and UBSan (clang)" OFF)
option(TIKANDA_FUZZ "Build the libFuzzer targets of fuzz/ (clang)" OFF)

if(TIKANDA_SANITIZE OR TIKANDA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TIKANDA_SANITIZE and TIKANDA_FUZZ need clang: configure with "
                        "-DCMAKE_CXX_COMPILER=clang++ in a fresh build folder")
  endif()

  set(TIKANDA_SANITIZER_FLAGS
    -fsanitize=address,undefined
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

  # The static library carries the runtime to whatever links it.
  target_compile_options(tikanda_behaviour PRIVATE ${TIKANDA_SANITIZER_FLAGS})
  target_link_options(tikanda_behaviour INTERFACE -fsanitize=address,undefined)
  if(TIKANDA_FUZZ)
    # Coverage feedback for the fuzzers from the code under test.
    target_compile_options(tikanda_behaviour PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  if(TARGET tikanda_tests)
    # Unoptimised: the test files build two to three times faster under the sanitizers,
    # which check the code under test all the same.
    target_compile_options(tikanda_tests PRIVATE ${TIKANDA_SANITIZER_FLAGS} -O0)
  endif()
endif()

if(TIKANDA_FUZZ)
  file(GLOB TIKANDA_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.cpp)
  set(TIKANDA_FUZZ_TARGETS)
  foreach(src ${TIKANDA_FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(fuzz_${name} ${src})
    target_link_libraries(fuzz_${name} PRIVATE tikanda_behaviour)
    # tests/fakes.h: the fake platform the start-up and settings targets run on.
    target_include_directories(fuzz_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    target_compile_options(fuzz_${name} PRIVATE -Wall -Wextra ${TIKANDA_SANITIZER_FLAGS} -fsanitize=fuzzer)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    list(APPEND TIKANDA_FUZZ_TARGETS fuzz_${name})
  endforeach()
  add_custom_target(fuzzers DEPENDS ${TIKANDA_FUZZ_TARGETS})
endif()
