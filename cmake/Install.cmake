# What `cmake --install` puts where, under CMAKE_INSTALL_PREFIX (and DESTDIR): the programs,
# the launcher entry, the icon, the metainfo, the manual pages and the shell completion. Tests,
# benchmarks and fuzz targets are never installed.
include(GNUInstallDirs)

set(TQ_BASH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(TARGETS trommelquirl-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TQ_CLI_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TQ_CLI_COMPLETION} DESTINATION ${TQ_BASH_COMPLETION_DIR})

# A desktop program: its binary, manual page, launcher entry, metainfo and icon under its app id.
function(tq_install_desktop_program target app_id manual)
  set(icon_root ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${TQ_DESKTOP_DIR}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TQ_DESKTOP_DIR}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/icons/icon.svg DESTINATION ${icon_root}/scalable/apps
          RENAME ${app_id}.svg)
  foreach(size IN LISTS TQ_ICON_SIZES)
    install(FILES ${TQ_DESKTOP_DIR}/icons/${size}.png DESTINATION ${icon_root}/${size}x${size}/apps
            RENAME ${app_id}.png)
  endforeach()
endfunction()

if(TARGET trommelquirl)
  tq_install_desktop_program(trommelquirl ${TQ_APP_ID} ${TQ_DESKTOP_MANUAL})
endif()
# The solver's window, set up like the game.
if(TARGET trommelquirl-solver)
  tq_install_desktop_program(trommelquirl-solver ${TQ_SOLVER_APP_ID} ${TQ_SOLVER_MANUAL})
endif()
