# Compiler flags shared by every target of the project.
add_library(pelorin_options INTERFACE)
target_compile_options(pelorin_options INTERFACE -Wall -Wextra)
target_compile_features(pelorin_options INTERFACE cxx_std_20)
if(PELORIN_WIN)
  # Unicode-neutral Win32 headers without min/max macros; XP+ common controls.
  target_compile_definitions(pelorin_options INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
endif()
if(PELORIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(PELORIN_FUZZ)
  # Instrument everything for coverage; the fuzz targets add the libFuzzer main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# pelorin_library(name SOURCES ... DEPS ...) declares one subsystem library.
function(pelorin_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<INSTALL_INTERFACE:include>)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE $<BUILD_INTERFACE:pelorin_options>)
endfunction()
