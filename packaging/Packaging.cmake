# Installation into a desktop (tools, menu entry, icons, program-file type,
# udev rule, example) and the Debian package built by CPack.
# Include it at the end of the top-level CMakeLists.txt, after every target
# and install rule: it finishes with include(CPack).
include(GNUInstallDirs)

set(ZENTROLA_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

foreach(tool zentrola-cli zentrola-sim)
  if(TARGET ${tool})
    install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${ZENTROLA_PACKAGING_DIR}/zentrola.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZENTROLA_PACKAGING_DIR}/zentrola-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME zentrola.xml)
install(DIRECTORY ${ZENTROLA_PACKAGING_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "*.png")
install(FILES ${ZENTROLA_PACKAGING_DIR}/icons/zentrola.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ZENTROLA_PACKAGING_DIR}/icons/zentrola-document.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-zentrola-program.svg)
install(FILES ${CMAKE_SOURCE_DIR}/examples/ejemplo.zolp
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zentrola)
# lib/udev/rules.d under the prefix: /usr/lib/udev/rules.d for the package,
# /usr/local/lib/udev/rules.d for a local install; udev reads both.
install(FILES ${ZENTROLA_PACKAGING_DIR}/70-zentrola-qmt.rules
        DESTINATION lib/udev/rules.d)

# The Debian package: cpack -G DEB gives zentrola_<version>_<arch>.deb.
set(CPACK_GENERATOR "DEB" CACHE STRING "Package kinds built by cpack")
set(CPACK_PACKAGE_NAME "zentrola")
set(CPACK_PACKAGE_VENDOR "Zentrola")
set(CPACK_PACKAGE_CONTACT "Zentrola <zentrola@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zentrola.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor de programas para el controlador QMT")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The long description; CPack puts the summary above it as its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Zentrola edita en ocho tablas los programas del controlador QMT\n"
  "(botones, macros, comandos infrarrojos NEC y crudos, comandos serie,\n"
  "velocidades, alias infrarrojos y parámetros de red), los guarda en\n"
  "archivos .zolp, los graba en el controlador por su puerto USB, los\n"
  "recupera, prueba cada elemento y aprende códigos infrarrojos.\n"
  "Incluye el controlador simulado zentrola-sim y la guía del usuario.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The help command opens the guide with the desktop's PDF viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# Runtime libraries (wxWidgets' among them) come from dpkg-shlibdeps; without
# it, the wx runtime packages of the wx version found are named directly.
find_program(ZENTROLA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZENTROLA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(REGEX MATCH "^[0-9]+\\.[0-9]+" zentrola_wx_series "${wxWidgets_VERSION_STRING}")
  if(NOT zentrola_wx_series)
    set(zentrola_wx_series "3.2")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libwxgtk${zentrola_wx_series}-1, libwxbase${zentrola_wx_series}-1, libstdc++6, libgcc-s1, libc6")
endif()

include(CPack)
