# Provides HORALUNE_ASSETGEN: the asset generator, runnable on the build machine.
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(_host_dir ${CMAKE_BINARY_DIR}/host-tools)
  ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${_host_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${_host_dir}/assetgen)
  set(HORALUNE_ASSETGEN ${_host_dir}/assetgen)
  set(HORALUNE_ASSETGEN_DEPENDS host_tools)
  # The external build is a target, not a file: depend on the tool's file too, so new
  # pictures follow a changed generator.
  set(HORALUNE_ASSETGEN_FILE_DEPENDS ${_host_dir}/assetgen)
else()
  add_subdirectory(tools)
  set(HORALUNE_ASSETGEN $<TARGET_FILE:assetgen>)
  set(HORALUNE_ASSETGEN_DEPENDS assetgen)
endif()
