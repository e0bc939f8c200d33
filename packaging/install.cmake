# On the desktop like any other program: `cmake --install` puts the two
# programs, the menu entry with its icon, the AppStream metainfo and the
# manual pages into the usual places, and CPack makes the Debian package of
# the same files. Included from the top level so that CPack sees the whole
# project.
include(GNUInstallDirs)

# The desktop's name for the program: the maker's web address reversed. It
# names the menu entry, the icon and the metainfo file alike.
set(FUNDORIX_APP_ID example.wendlich.Fundorix)
set(FUNDORIX_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS fundorix fundorix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/fundorix.desktop.in ${FUNDORIX_PACKAGING_OUT}/${FUNDORIX_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/fundorix.metainfo.xml.in
    ${FUNDORIX_PACKAGING_OUT}/${FUNDORIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${FUNDORIX_PACKAGING_OUT}/${FUNDORIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${FUNDORIX_PACKAGING_OUT}/${FUNDORIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The theme's icons are written from the picture the window draws, at every
# build, so they can never drift from it.
add_library(fundorix_theme_icons STATIC ${CMAKE_CURRENT_LIST_DIR}/theme_icons.cpp)
target_include_directories(fundorix_theme_icons PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(fundorix_theme_icons PUBLIC Qt6::Gui)
add_executable(fundorix-icons ${CMAKE_CURRENT_LIST_DIR}/icon_files.cpp)
target_link_libraries(fundorix-icons PRIVATE fundorix_theme_icons fundorix_window)
fundorix_add_tests(fundorix_theme_icons_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/theme_icons_test.cpp
    LIBS fundorix_theme_icons fundorix_window)
fundorix_add_tests(fundorix_check_install_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/check_install_test.cpp
    LIBS Qt6::Core)
if(TARGET fundorix_check_install_tests)
    target_compile_definitions(fundorix_check_install_tests PRIVATE CMAKE_COMMAND="${CMAKE_COMMAND}"
        CHECK_INSTALL="${CMAKE_CURRENT_LIST_DIR}/check-install")
endif()
set(icons_dir ${FUNDORIX_PACKAGING_OUT}/icons)
add_custom_command(OUTPUT ${icons_dir}/scalable/apps/${FUNDORIX_APP_ID}.svg
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${icons_dir}
    # In sanitizer builds a leak report from library code must not stop the build.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:fundorix-icons> ${icons_dir}
            ${FUNDORIX_APP_ID}
    DEPENDS fundorix-icons
    COMMENT "Writing the program icon for the icon theme"
    VERBATIM)
add_custom_target(fundorix_icon_files ALL DEPENDS ${icons_dir}/scalable/apps/${FUNDORIX_APP_ID}.svg)
install(DIRECTORY ${icons_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Manual pages, compressed as Debian keeps them.
foreach(page fundorix.1 fundorix-cli.1)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${page}.in ${FUNDORIX_PACKAGING_OUT}/${page} @ONLY)
    add_custom_command(OUTPUT ${FUNDORIX_PACKAGING_OUT}/${page}.gz
        COMMAND gzip -9 -n -k -f ${page}
        WORKING_DIRECTORY ${FUNDORIX_PACKAGING_OUT}
        DEPENDS ${FUNDORIX_PACKAGING_OUT}/${page}
        VERBATIM)
    list(APPEND manual_pages ${FUNDORIX_PACKAGING_OUT}/${page}.gz)
endforeach()
add_custom_target(fundorix_manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fundorix)
set(CPACK_PACKAGE_VENDOR "Wendlich Software")
set(CPACK_PACKAGE_CONTACT "Wendlich Software <info@wendlich.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "savings and loan calculator for private investors (German)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.wendlich.example/)
set(CPACK_PACKAGE_DESCRIPTION
    "Fundorix simulates month by month how a depot develops from an initial sum,
a rate, monthly and yearly amounts and one-off payments, draws the result as
a chart, answers the inverse questions (which monthly amount, which rate,
which payout) and prints four A4 plans, also as PDF, HTML, spreadsheet and
RTF. The command-line tool fundorix-cli does the same without a window.")
# The libraries come from the binaries. What they load at run time is named
# here: the platform plugins (the window's and the headless one of
# fundorix-cli) and the fonts the layouts are measured with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
include(CPack)
