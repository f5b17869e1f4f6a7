# iconv on the target loads its charset converters at run time, and the
# cross C library has none: build glibc's own for the emulated tests and
# point the emulated programs at them.
set(_gconv_dir ${CMAKE_BINARY_DIR}/gconv)
add_custom_command(
  OUTPUT ${_gconv_dir}/gconv-modules
  COMMAND ${PROJECT_SOURCE_DIR}/cmake/build_target_gconv.sh
          ${_gconv_dir} ${CMAKE_BINARY_DIR}/gconv-work
  DEPENDS ${PROJECT_SOURCE_DIR}/cmake/build_target_gconv.sh
  COMMENT "Building the C library's charset converters for the target"
  USES_TERMINAL)
add_custom_target(target_gconv ALL DEPENDS ${_gconv_dir}/gconv-modules)
list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -E GCONV_PATH=${_gconv_dir})
