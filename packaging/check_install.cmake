# Installs the build into a fresh folder and checks that a desktop gets what
# it needs: both programs, the launcher entry, the store metadata, icons,
# the manual pages and the bash completion.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/lunisol bin/lunisol-cli
          share/applications/org.lunisol.Lunisol.desktop
          share/metainfo/org.lunisol.Lunisol.metainfo.xml
          share/icons/hicolor/scalable/apps/org.lunisol.Lunisol.svg
          share/icons/hicolor/48x48/apps/org.lunisol.Lunisol.png
          share/man/man1/lunisol.1.gz
          share/man/man1/lunisol-cli.1.gz
          share/bash-completion/completions/lunisol-cli)
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
# `man lunisol-cli` finds the installed page by its name and shows it.
find_program(MAN man)
if(NOT MAN)
  message(FATAL_ERROR "man not found: install man-db")
endif()
foreach(page lunisol lunisol-cli)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANPATH=${PREFIX}/share/man MANWIDTH=80
                          ${MAN} --warnings ${page}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${out}" "NAME" at)
  if(NOT rc EQUAL 0 OR at EQUAL -1 OR NOT err STREQUAL "")
    message(FATAL_ERROR "man ${page} after installing: exit ${rc}\n${err}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
