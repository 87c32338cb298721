# cmake --install lays out bin/ (LumoCtrls.dll), lib/ (import library and the CMake package) and
# include/LumoCtrls/, so that a host writes find_package(LumoCtrls CONFIG) and links LumoCtrls::LumoCtrls.
include(CMakePackageConfigHelpers)

install(TARGETS LumoCtrls EXPORT LumoCtrlsTargets
        RUNTIME DESTINATION bin
        LIBRARY DESTINATION lib
        ARCHIVE DESTINATION lib)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/LumoCtrls DESTINATION include)
install(EXPORT LumoCtrlsTargets NAMESPACE LumoCtrls:: DESTINATION lib/cmake/LumoCtrls)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LumoCtrlsConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/LumoCtrlsConfig.cmake
                              INSTALL_DESTINATION lib/cmake/LumoCtrls)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/LumoCtrlsConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/LumoCtrlsConfig.cmake ${PROJECT_BINARY_DIR}/LumoCtrlsConfigVersion.cmake
        DESTINATION lib/cmake/LumoCtrls)
