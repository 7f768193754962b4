# Installing on a Linux desktop: the program, its data folder, the launcher, the icons, the
# AppStream metainfo with its screenshots and the manual page. `make install` (PREFIX, DESTDIR)
# runs these rules; `make uninstall` removes what the install manifest lists.
include(GNUInstallDirs)

set(MORGAVELLE_APPID com.tamberlinex.morgavelle)
set(MORGAVELLE_HOMEPAGE "https://tamberlinex.com/morgavelle/" CACHE STRING "The game's homepage, named in the AppStream metainfo")
set(MORGAVELLE_SCREENSHOTS_URL "${MORGAVELLE_HOMEPAGE}screenshots/" CACHE STRING
    "Where the screenshots installed in share/morgavelle/screenshots are published (AppStream wants web addresses)")
set(morgavelle_share ${CMAKE_INSTALL_DATADIR}/morgavelle)

configure_file(${CMAKE_SOURCE_DIR}/desktop/${MORGAVELLE_APPID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${MORGAVELLE_APPID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/desktop/morgavelle.6.in ${CMAKE_BINARY_DIR}/desktop/morgavelle.6 @ONLY)

install(TARGETS morgavelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program finds this folder as ../share/morgavelle/data from its own.
install(DIRECTORY ${CMAKE_BINARY_DIR}/data DESTINATION ${morgavelle_share}
        PATTERN .forged EXCLUDE PATTERN manifest.txt EXCLUDE PATTERN *.tmp EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${MORGAVELLE_APPID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${MORGAVELLE_APPID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/desktop/morgavelle.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The forge draws the icons into <build>/icons/hicolor/<size>x<size>/apps.
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The screenshots the metainfo names are rendered by the snapshot tool's "screenshots" scene,
# again whenever the tool or the data folder is newer than the last ones.
set(morgavelle_shots screenshot-menu.png screenshot-table.png screenshot-story.png)
install(CODE "
  set(shots \"${CMAKE_BINARY_DIR}/screenshots\")
  set(first \"\${shots}/screenshot-menu.png\")
  if(NOT EXISTS \"\${first}\" OR \"$<TARGET_FILE:snapshot>\" IS_NEWER_THAN \"\${first}\"
     OR \"${CMAKE_BINARY_DIR}/data/.forged\" IS_NEWER_THAN \"\${first}\")
    message(STATUS \"Taking the screenshots\")
    execute_process(COMMAND \"$<TARGET_FILE:snapshot>\" \"\${shots}\" screenshots
                    WORKING_DIRECTORY \"${CMAKE_BINARY_DIR}\" RESULT_VARIABLE rc OUTPUT_QUIET)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR \"the snapshot tool could not take the screenshots\")
    endif()
  endif()")
foreach(shot ${morgavelle_shots})
  install(FILES ${CMAKE_BINARY_DIR}/screenshots/${shot} DESTINATION ${morgavelle_share}/screenshots)
endforeach()
