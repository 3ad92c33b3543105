# Compile settings shared by every target of the project.
add_library(quillet_settings INTERFACE)
target_compile_features(quillet_settings INTERFACE cxx_std_20)
target_compile_options(quillet_settings INTERFACE -Wall -Wextra -Wpedantic
  $<$<COMPILE_LANGUAGE:CXX>:-Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual
                            -Wold-style-cast>)
# Warnings stop the build in the presets and CI; a packager's plain build with
# another compiler or optimisation level is not broken by a new warning.
if(QUILLET_WERROR)
  target_compile_options(quillet_settings INTERFACE -Werror)
endif()
# Windows 10 and later, for the calls that hold files as POSIX systems do;
# the wide (UTF-16) forms of every call, and no min/max macros.
if(WIN32)
  target_compile_definitions(quillet_settings INTERFACE
    _WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
endif()
target_include_directories(quillet_settings INTERFACE
  ${PROJECT_SOURCE_DIR}/src
  ${PROJECT_BINARY_DIR}/generated)

if(QUILLET_SANITIZE)
  target_compile_options(quillet_settings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quillet_settings INTERFACE -fsanitize=address,undefined)
endif()

# Build facts the program shows or sends: version, maker's host, support address.
configure_file(${PROJECT_SOURCE_DIR}/cmake/BuildConfig.h.in
               ${PROJECT_BINARY_DIR}/generated/BuildConfig.h @ONLY)
