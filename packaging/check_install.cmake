# Installs the build into a fresh folder and checks that a desktop gets what
# it needs: both programs, the launcher entry, the store metadata and icons.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/lunisol bin/lunisol-cli
          share/applications/org.lunisol.Lunisol.desktop
          share/metainfo/org.lunisol.Lunisol.metainfo.xml
          share/icons/hicolor/scalable/apps/org.lunisol.Lunisol.svg
          share/icons/hicolor/48x48/apps/org.lunisol.Lunisol.png)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
  execute_process(COMMAND ${DESKTOP_VALIDATE} ${PREFIX}/share/applications/org.lunisol.Lunisol.desktop
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop entry: ${out}")
  endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/org.lunisol.Lunisol.metainfo.xml
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "metainfo: ${out}")
  endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
