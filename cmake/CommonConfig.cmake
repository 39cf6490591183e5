# Build settings every target of the project shares.
add_library(vandoria_common INTERFACE)
target_compile_features(vandoria_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(vandoria_common INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor>)
target_compile_definitions(vandoria_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_DISABLE_DEPRECATED_UP_TO=0x060000)

# CI builds with warnings as errors; a user's newer compiler may warn where
# ours does not, so a plain build does not stop on them.
option(VANDORIA_WERROR "Treat compiler warnings as errors" OFF)
if(VANDORIA_WERROR)
  target_compile_options(vandoria_common INTERFACE $<$<CXX_COMPILER_ID:GNU,Clang>:-Werror>)
endif()

option(VANDORIA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VANDORIA_SANITIZE)
  target_compile_options(vandoria_common INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vandoria_common INTERFACE -fsanitize=address,undefined)
endif()

option(VANDORIA_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(VANDORIA_FUZZ)
  target_compile_options(vandoria_common INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(vandoria_common INTERFACE -fsanitize=address,undefined)
endif()
