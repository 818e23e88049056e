# The user guide Zentrola.pdf.
#
# The guide is kept built in docs/Zentrola.pdf, so every build only copies it
# beside the editor (where Help looks first) and installs it into
# share/zentrola (where Help looks next). Two targets outside the default
# build regenerate it:
#   guide              docs/Zentrola.rst -> docs/Zentrola.pdf (needs rst2pdf)
#   guide-screenshots  new pictures of the real windows in docs/images
#                      (needs xvfb, xdotool, imagemagick; openbox for frames)
include(GNUInstallDirs)

set(ZENTROLA_GUIDE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ZENTROLA_GUIDE_PDF ${ZENTROLA_GUIDE_DIR}/Zentrola.pdf)
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(ZENTROLA_GUIDE_BESIDE_EXE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Zentrola.pdf)
else()
  set(ZENTROLA_GUIDE_BESIDE_EXE ${CMAKE_BINARY_DIR}/Zentrola.pdf)
endif()

add_custom_command(
  OUTPUT ${ZENTROLA_GUIDE_BESIDE_EXE}
  COMMAND ${CMAKE_COMMAND} -E copy ${ZENTROLA_GUIDE_PDF} ${ZENTROLA_GUIDE_BESIDE_EXE}
  DEPENDS ${ZENTROLA_GUIDE_PDF}
  COMMENT "Placing Zentrola.pdf beside the editor"
  VERBATIM)
add_custom_target(zentrola_guide_copy ALL DEPENDS ${ZENTROLA_GUIDE_BESIDE_EXE})
if(TARGET zentrola)
  add_dependencies(zentrola zentrola_guide_copy)
endif()

install(FILES ${ZENTROLA_GUIDE_PDF} DESTINATION ${CMAKE_INSTALL_DATADIR}/zentrola)

find_program(ZENTROLA_RST2PDF rst2pdf)
add_custom_target(guide
  COMMAND ${CMAKE_COMMAND} -E env RST2PDF=${ZENTROLA_RST2PDF}
          bash ${ZENTROLA_GUIDE_DIR}/build-guide.sh ${ZENTROLA_GUIDE_PDF}
  COMMAND ${CMAKE_COMMAND} -E copy ${ZENTROLA_GUIDE_PDF} ${ZENTROLA_GUIDE_BESIDE_EXE}
  WORKING_DIRECTORY ${ZENTROLA_GUIDE_DIR}
  COMMENT "Building docs/Zentrola.pdf from docs/Zentrola.rst"
  VERBATIM)

if(TARGET zentrola)
  set(zentrola_guide_sim "")
  if(TARGET zentrola-sim)
    set(zentrola_guide_sim $<TARGET_FILE:zentrola-sim>)
  endif()
  add_custom_target(guide-screenshots
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/guide-screenshots.sh
            $<TARGET_FILE:zentrola> ${ZENTROLA_GUIDE_DIR}/images ${zentrola_guide_sim}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Taking the guide's screenshots under Xvfb"
    VERBATIM)
  add_dependencies(guide-screenshots zentrola)
  if(TARGET zentrola-sim)
    add_dependencies(guide-screenshots zentrola-sim)
  endif()
endif()
