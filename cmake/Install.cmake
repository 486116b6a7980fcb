# Installation in the usual Linux layout and the Debian package.
#
#   <prefix>/bin/lumivista
#   <prefix>/share/lumivista/            the help file and the data files
#   <prefix>/share/applications/, share/metainfo/, share/icons/hicolor/
#
# The program finds its files next to itself (the build folder) or in the
# data folder relative to itself, so an installed tree can be moved whole.

set(LUMIVISTA_APP_ID example.lumivista.Lumivista)
set(lumivista_data_dir ${CMAKE_INSTALL_DATADIR}/lumivista)

# Where the data folder lies relative to the executable, built into the lookup.
file(RELATIVE_PATH lumivista_data_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/lumivista)
set_source_files_properties(${PROJECT_SOURCE_DIR}/widgets/DataFiles.cpp
  TARGET_DIRECTORY lumivista_ui
  PROPERTIES COMPILE_DEFINITIONS "LUMIVISTA_DATA_FROM_BIN=\"${lumivista_data_from_bin}\"")

option(LUMIVISTA_INSTALL "Install rules for the program" ${PROJECT_IS_TOP_LEVEL})
if(NOT LUMIVISTA_INSTALL)
  return()
endif()

install(TARGETS lumivista RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_BINARY_DIR}/bin/Lumivista.chm DESTINATION ${lumivista_data_dir})
install(FILES ${PROJECT_BINARY_DIR}/bin/en/Lumivista.chm DESTINATION ${lumivista_data_dir}/en)
# Whatever resources/data holds (spectrum.ini, newton.avi, ...) and its
# English copies in en/, bar hidden files.
foreach(sub "" "/en")
  file(GLOB lumivista_data_files LIST_DIRECTORIES false CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/resources/data${sub}/*)
  list(FILTER lumivista_data_files EXCLUDE REGEX "/\\.[^/]*$")
  if(lumivista_data_files)
    install(FILES ${lumivista_data_files} DESTINATION ${lumivista_data_dir}${sub})
  endif()
endforeach()

set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop_dir}/${LUMIVISTA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${LUMIVISTA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${desktop_dir}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# A package is made only for the project itself, never for a parent that
# includes it.
if(NOT PROJECT_IS_TOP_LEVEL)
  return()
endif()

set(CPACK_PACKAGE_NAME lumivista)
set(CPACK_PACKAGE_VENDOR "Lumivista project")
set(CPACK_PACKAGE_CONTACT "Lumivista project <team@lumivista.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive demonstrations of optics and atomic physics")
set(CPACK_PACKAGE_HOMEPAGE_URL https://lumivista.example/)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The first line of the package description is the summary above.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Seventeen demonstrations for teaching physics: lenses, mirrors, refraction,
interference, diffraction, a grating spectrometer, polarisation in 3D,
X-ray spectra and electron diffraction. The interface is in Russian.")
# The libraries come from dpkg-shlibdeps; these are loaded at run time and no
# linker sees them: the video clip plays through GStreamer (AVI demuxer and
# JPEG decoder), Qt's dialogs speak Russian through its translations, and the
# pictures are drawn in DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n, fonts-dejavu-core, fonts-paratype")
# Mesa's drivers for the 3D scenes (other GL drivers do too), and the opener
# of the help file and web links.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri, xdg-utils")
include(CPack)
