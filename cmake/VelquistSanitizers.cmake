# Sanitizer and libFuzzer instrumentation for every target of the tree.
set(VELQUIST_SANITIZE "" CACHE STRING
    "Sanitizers for every target, as -fsanitize takes them (e.g. address,undefined)")
option(VELQUIST_BUILD_FUZZ "Build the libFuzzer targets in fuzz/ (clang, with VELQUIST_SANITIZE)" OFF)

if(VELQUIST_SANITIZE)
  # A sanitizer report must fail the test or fuzz run, not scroll past.
  add_compile_options(-fsanitize=${VELQUIST_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${VELQUIST_SANITIZE})
endif()

if(VELQUIST_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELQUIST_BUILD_FUZZ needs clang's libFuzzer: "
                        "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT VELQUIST_SANITIZE)
    # The sanitizer runtimes also provide the coverage hooks that the libraries are built with.
    message(FATAL_ERROR "VELQUIST_BUILD_FUZZ needs VELQUIST_SANITIZE (e.g. address,undefined)")
  endif()
  # Coverage feedback from every library, not only from the fuzz targets' own files.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
