# What `cmake --install` puts where, under CMAKE_INSTALL_PREFIX (and DESTDIR): the two programs,
# the launcher entry, the icon, the metainfo, the manual pages and the shell completion. Tests,
# benchmarks and fuzz targets are never installed.
include(GNUInstallDirs)

set(TQ_BASH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(TARGETS trommelquirl-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TQ_CLI_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TQ_CLI_COMPLETION} DESTINATION ${TQ_BASH_COMPLETION_DIR})

if(TARGET trommelquirl)
  set(icon_root ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(TARGETS trommelquirl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TQ_DESKTOP_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${TQ_DESKTOP_DIR}/${TQ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TQ_DESKTOP_DIR}/${TQ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/icons/icon.svg DESTINATION ${icon_root}/scalable/apps
          RENAME ${TQ_APP_ID}.svg)
  foreach(size IN LISTS TQ_ICON_SIZES)
    install(FILES ${TQ_DESKTOP_DIR}/icons/${size}.png DESTINATION ${icon_root}/${size}x${size}/apps
            RENAME ${TQ_APP_ID}.png)
  endforeach()
endif()

# The solver's window: its program, manual page, launcher entry, metainfo and icon.
if(TARGET trommelquirl-solver)
  set(icon_root ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(TARGETS trommelquirl-solver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TQ_SOLVER_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${TQ_DESKTOP_DIR}/${TQ_SOLVER_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TQ_DESKTOP_DIR}/${TQ_SOLVER_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/icons/icon.svg DESTINATION ${icon_root}/scalable/apps
          RENAME ${TQ_SOLVER_APP_ID}.svg)
  foreach(size IN LISTS TQ_ICON_SIZES)
    install(FILES ${TQ_DESKTOP_DIR}/icons/${size}.png DESTINATION ${icon_root}/${size}x${size}/apps
            RENAME ${TQ_SOLVER_APP_ID}.png)
  endforeach()
endif()
