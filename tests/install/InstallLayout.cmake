# Installs the build into a fresh prefix and checks what a package will take from it: the
# programs, the help pages, the examples, the manual page, what the desktop needs (launcher,
# metainfo, icons, the study file type), and a command-line tool that runs from there.
# cmake -DBUILD_DIR=... -DPREFIX=... -DGUI=ON|OFF -DAPP_ID=... -P InstallLayout.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/linealidad-cli
    share/linealidad/ejemplos/ejemplo-trabajado.w02
    share/linealidad/ejemplos/siete-niveles.txt
    share/man/man1/linealidad-cli.1.gz)
if(GUI)
  list(APPEND expected bin/linealidad share/linealidad/ayuda/contenido.html
       share/linealidad/ayuda/temas.json
       share/applications/${APP_ID}.desktop
       share/metainfo/${APP_ID}.metainfo.xml
       share/icons/hicolor/scalable/apps/${APP_ID}.svg
       share/icons/hicolor/scalable/mimetypes/application-x-linealidad-estudio.svg
       share/mime/packages/linealidad.xml)
endif()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(path IN LISTS installed)
  if(path MATCHES "\\.(a|h|qrc|cmake)$")
    message(FATAL_ERROR "installed, but not for a user: ${path}")
  endif()
endforeach()

execute_process(
  COMMAND ${PREFIX}/bin/linealidad-cli informe
          ${PREFIX}/share/linealidad/ejemplos/ejemplo-trabajado.w02 --decimal .
  RESULT_VARIABLE result OUTPUT_VARIABLE report)
if(NOT result EQUAL 0 OR NOT report MATCHES "^LINEALIDAD Y PRECISI")
  message(FATAL_ERROR "the installed linealidad-cli does not report (${result})")
endif()
file(REMOVE_RECURSE ${PREFIX})
