# When cross-building, the build machine's libraries are no use, but its
# header-only ones are: CLI11 and nlohmann-json are taken from Debian's
# packages through a folder of links (adding /usr/include itself would hide
# the target's C library), and GoogleTest is compiled from the sources Debian
# ships for this purpose.
set(_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_host_headers})
foreach(_dir CLI nlohmann)
  if(NOT EXISTS /usr/include/${_dir})
    message(FATAL_ERROR "/usr/include/${_dir} is missing: run scripts/install-deps.sh")
  endif()
  file(CREATE_LINK /usr/include/${_dir} ${_host_headers}/${_dir} SYMBOLIC)
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_host_headers})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_host_headers})

if(BUILD_TESTING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # It defines GTest::gtest and GTest::gmock itself.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
