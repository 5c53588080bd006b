# Compiler settings every target links: warnings, and options that make the arithmetic
# reproducible (no fused multiply-add contraction, so results do not depend on the compiler's
# choice of instructions).
add_library(drive_warnings INTERFACE)
target_compile_options(drive_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                       -Wno-sign-conversion)
if(DRIVE_WARNINGS_AS_ERRORS)
  target_compile_options(drive_warnings INTERFACE -Werror)
endif()

add_library(drive_options INTERFACE)
target_compile_options(drive_options INTERFACE -ffp-contract=off)
target_include_directories(drive_options INTERFACE ${PROJECT_SOURCE_DIR})
if(DRIVE_FUZZ)
  target_compile_options(drive_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                         -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(drive_options INTERFACE -fsanitize=address,undefined)
endif()
if(DRIVE_SANITIZE)
  target_compile_options(drive_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  target_link_options(drive_options INTERFACE -fsanitize=address,undefined)
endif()

# A core library of one folder: every .cpp of the folder, standard library only.
#   drive_core_library(name [DEPENDS lib ...])
function(drive_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC drive_options ${ARG_DEPENDS} PRIVATE drive_warnings)
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE drive_options ${ARG_DEPENDS})
  endif()
endfunction()
