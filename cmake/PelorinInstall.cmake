# cmake --install: the headers under include/ by their paths in this tree,
# the static libraries, and a package config so that another project's
#   find_package(Pelorin REQUIRED)
#   target_link_libraries(app PRIVATE Pelorin::pelorin)
# builds against the installed tree.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(PELORIN_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Pelorin)
set(pelorin_installed_libs)
foreach(lib pelorin_host_core pelorin_host_win pelorin_skinfile pelorin_skinmodel pelorin_paint pelorin_skinbase
            pelorin_menus pelorin_controls pelorin_formframe pelorin_manager pelorin_manager_win pelorin_plain)
  if(TARGET ${lib})
    list(APPEND pelorin_installed_libs ${lib})
  endif()
endforeach()
install(TARGETS pelorin ${pelorin_installed_libs} EXPORT PelorinTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
foreach(folder host skinfile skinmodel paint skinbase menus controls formframe manager pelorin)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder}
          FILES_MATCHING PATTERN "*.h")
endforeach()
if(TARGET pelorin_manager_autostart)
  # The object that starts the manager before main; the package config adds
  # it to Pelorin::pelorin as the build tree does.
  install(FILES $<TARGET_OBJECTS:pelorin_manager_autostart> DESTINATION ${CMAKE_INSTALL_LIBDIR}/pelorin
          RENAME PelorinAutoStart.obj)
endif()

install(EXPORT PelorinTargets NAMESPACE Pelorin:: DESTINATION ${PELORIN_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/PelorinConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/PelorinConfig.cmake INSTALL_DESTINATION ${PELORIN_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PelorinConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/PelorinConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/PelorinConfigVersion.cmake
        DESTINATION ${PELORIN_CMAKE_DIR})
