# Installs into a scratch prefix and checks that the program, its desktop
# entry, icon and project file type all arrive.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/tilewright share/applications/tilewright.desktop
             share/icons/hicolor/64x64/apps/tilewright.png share/mime/packages/tilewright.xml)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/tilewright.desktop entry)
if(NOT entry MATCHES "Exec=tilewright %f" OR NOT entry MATCHES "MimeType=application/x-tilewright-project;")
  message(FATAL_ERROR "the desktop entry does not open projects")
endif()
file(READ ${PREFIX}/share/mime/packages/tilewright.xml mime)
if(NOT mime MATCHES "\\*\\.dcp")
  message(FATAL_ERROR "the project file type does not name *.dcp")
endif()
