# Installing Tessaly into a prefix, and the Debian package (./package.sh runs CPack).
#
# Layout under the prefix: bin/ the two programs; share/tessaly/ what the program reads at
# run time (music/END.MID, examples/); the desktop entry, icons, AppStream metainfo, manual
# pages and bash completion where the desktop and the shell look for them. The build tree
# holds the same run-time files next to the executables, so both find them alike.
include(GNUInstallDirs)

set(TESSALY_RELEASE_DATE "2026-12-08")
set(TESSALY_CHANGELOG_DATE "Tue, 08 Dec 2026 12:00:00 +0000")
set(TESSALY_LICENSE "MIT")
set(TESSALY_MAINTAINER_EMAIL "maintainers@tessaly.org")
set(TESSALY_HOMEPAGE "https://tessaly.org/" CACHE STRING "The project's web page")
set(TESSALY_SCREENSHOT_URL "https://tessaly.org/screenshots" CACHE STRING
    "Where the screenshots of packaging/screenshots/ are published (AppStream needs a web URL)")
# The data folder the manual pages name: the package's (another prefix has its own
# share/tessaly, which the program finds just as well).
set(TESSALY_DATA_DIR "/usr/${CMAKE_INSTALL_DATADIR}/tessaly")
set(TESSALY_EXAMPLES_DIR "${TESSALY_DATA_DIR}/examples")
set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS tessaly-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT TESSALY_UI)
  return()
endif()
install(TARGETS tessaly RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
target_compile_definitions(tessaly PRIVATE TESSALY_VERSION="${PROJECT_VERSION}")

# The exit tune, made from the notes in make_tune.py, and the examples: next to the
# executables in the build tree, under share/tessaly when installed.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/music/END.MID
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/music
  COMMAND Python3::Interpreter ${PACKAGING_DIR}/make_tune.py ${CMAKE_BINARY_DIR}/music/END.MID
  DEPENDS ${PACKAGING_DIR}/make_tune.py VERBATIM)
file(GLOB EXAMPLE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*)
set(EXAMPLE_COPIES)
foreach(example ${EXAMPLE_FILES})
  get_filename_component(name ${example} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/examples/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${example} ${CMAKE_BINARY_DIR}/examples/${name}
    DEPENDS ${example} VERBATIM)
  list(APPEND EXAMPLE_COPIES ${CMAKE_BINARY_DIR}/examples/${name})
endforeach()

# The icon's PNG sizes, rendered from the SVG by a small Qt Svg tool.
add_executable(tessaly-render-icon ${PACKAGING_DIR}/render_icon.cpp)
target_link_libraries(tessaly-render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(ICON_PNGS)
foreach(size 48 256)
  set(png ${GENERATED_DIR}/icons/${size}/org.tessaly.Tessaly.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GENERATED_DIR}/icons/${size}
    COMMAND tessaly-render-icon ${PACKAGING_DIR}/tessaly.svg ${size} ${png}
    DEPENDS tessaly-render-icon ${PACKAGING_DIR}/tessaly.svg VERBATIM)
  list(APPEND ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and the changelog take the version and date from here; Debian wants them
# compressed.
configure_file(${PACKAGING_DIR}/tessaly.1.in ${GENERATED_DIR}/tessaly.1 @ONLY)
configure_file(${PACKAGING_DIR}/tessaly-cli.1.in ${GENERATED_DIR}/tessaly-cli.1 @ONLY)
configure_file(${PACKAGING_DIR}/changelog.in ${GENERATED_DIR}/changelog @ONLY)
configure_file(${PACKAGING_DIR}/copyright.in ${GENERATED_DIR}/copyright @ONLY)
configure_file(${PACKAGING_DIR}/org.tessaly.Tessaly.metainfo.xml.in
               ${GENERATED_DIR}/org.tessaly.Tessaly.metainfo.xml @ONLY)
set(COMPRESSED)
foreach(file tessaly.1 tessaly-cli.1 changelog)
  add_custom_command(OUTPUT ${GENERATED_DIR}/${file}.gz
    COMMAND gzip -9nf -k ${GENERATED_DIR}/${file}
    DEPENDS ${GENERATED_DIR}/${file} VERBATIM)
  list(APPEND COMPRESSED ${GENERATED_DIR}/${file}.gz)
endforeach()

add_custom_target(tessaly_data ALL DEPENDS ${CMAKE_BINARY_DIR}/music/END.MID ${EXAMPLE_COPIES}
                                           ${ICON_PNGS} ${COMPRESSED})

install(FILES ${CMAKE_BINARY_DIR}/music/END.MID DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaly/music)
install(FILES ${EXAMPLE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaly/examples)
install(FILES ${PACKAGING_DIR}/org.tessaly.Tessaly.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_DIR}/tessaly.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.tessaly.Tessaly.svg)
install(FILES ${GENERATED_DIR}/org.tessaly.Tessaly.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${GENERATED_DIR}/tessaly.1.gz ${GENERATED_DIR}/tessaly-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PACKAGING_DIR}/tessaly-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME tessaly-cli)
install(FILES ${GENERATED_DIR}/changelog.gz ${GENERATED_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaly)

if(TESSALY_TESTS)
  enable_testing()
  add_test(NAME Packaging.CompletionAndManualNameEverything
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/packaging/completion_manual_test.sh
                   $<TARGET_FILE:tessaly-cli> ${PACKAGING_DIR}/tessaly-cli.bash
                   ${GENERATED_DIR}/tessaly-cli.1)
endif()

# The Debian package: tessaly_VERSION_ARCH.deb, its library dependencies computed by
# dpkg-shlibdeps, a synthesiser with a General MIDI sound font recommended for the tune.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessaly developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "numerical analysis tutor with step-by-step reports")
# The extended description, in lines short enough for the package tools.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tessaly teaches numerical analysis by doing it: type a problem as plain text"
    "(a matrix, a table of points, a formula in x), pick a method, answer its"
    "questions and read the answer with every intermediate step as a report."
    "It covers linear systems, nonlinear equations, eigenvalues, interpolation"
    "and least squares, numerical calculus and ordinary differential equations."
    "The user interface is Chinese; tessaly-cli runs every method without windows.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessaly developers <${TESSALY_MAINTAINER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSALY_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: a CJK font for the Chinese windows.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fluidsynth | timidity, fluid-soundfont-gm, qt6-translations-l10n, adwaita-icon-theme")
include(CPack)
