# Debian's main archive has libsigc++ and nlohmann/json for the build
# machine only. Both are usable on the target as headers: nlohmann/json is
# header-only, and libsigc++'s headers (its generated sigc++config.h
# included) hold nothing specific to a processor. So a cross build takes the
# build machine's headers, and can compile but not link what uses
# libsigc++. libsigc++'s headers have folders of their own; nlohmann/json's
# are reached through one made here, because putting /usr/include on the
# cross compiler's path would mix the build machine's C library headers
# into the target's.
foreach(_dir /usr/include/sigc++-3.0 /usr/lib/x86_64-linux-gnu/sigc++-3.0/include
             /usr/include/nlohmann)
  if(NOT IS_DIRECTORY ${_dir})
    message(FATAL_ERROR "${_dir} is missing: install libsigc++-3.0-dev and nlohmann-json3-dev")
  endif()
endforeach()

set(_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_host_headers})
file(CREATE_LINK /usr/include/nlohmann ${_host_headers}/nlohmann SYMBOLIC)

add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${_host_headers})

add_library(PkgConfig::SIGC INTERFACE IMPORTED)
set_target_properties(PkgConfig::SIGC PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES
  "/usr/include/sigc++-3.0;/usr/lib/x86_64-linux-gnu/sigc++-3.0/include")
