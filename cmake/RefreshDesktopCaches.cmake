# Run at the end of `cmake --install`: without fresh caches in the prefix's
# share folder the desktop would not know the new file types, their default
# program or (when the prefix keeps an icon cache) the new icons. A staged
# install (DESTDIR, as CPack does for the Debian package) leaves this to the
# target system, whose package triggers do the same.
if("$ENV{DESTDIR}" STREQUAL "")
  if(IS_ABSOLUTE "${TARVIK_INSTALL_SHARE}")
    set(share "${TARVIK_INSTALL_SHARE}")
  else()
    set(share "${CMAKE_INSTALL_PREFIX}/${TARVIK_INSTALL_SHARE}")
  endif()
  find_program(update_mime update-mime-database)
  if(update_mime)
    message(STATUS "Refreshing ${share}/mime")
    execute_process(COMMAND ${update_mime} "${share}/mime")
  endif()
  find_program(update_desktop update-desktop-database)
  if(update_desktop)
    message(STATUS "Refreshing ${share}/applications")
    execute_process(COMMAND ${update_desktop} -q "${share}/applications")
  endif()
  # an existing icon cache hides icons it does not list; without one the
  # theme's folders are read directly
  find_program(update_icons gtk-update-icon-cache)
  if(update_icons AND EXISTS "${share}/icons/hicolor/icon-theme.cache")
    message(STATUS "Refreshing ${share}/icons/hicolor")
    execute_process(COMMAND ${update_icons} -q -t -f "${share}/icons/hicolor")
  endif()
endif()
