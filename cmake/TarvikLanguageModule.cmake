# Language modules: "TarvikLan.dll", a Qt binary resource holding
# /TarvikLan/strings.qm (lrelease of a Qt Linguist .ts) and optionally
# /TarvikLan/flag.png.
#
#   tarvik_add_language_module(<name> TS_FILE <file.ts> [FLAG <flag.png>]
#                              [OUTPUT_DIRECTORY <dir>] [NO_INSTALL])
#
# builds <dir>/TarvikLan.dll (by default <build>/languages/<name>, which the
# program in the build folder lists as a shipped language) in the target
# tarvik_language_<name>, and installs it as
# share/tarvik/languages/<name>/TarvikLan.dll unless NO_INSTALL is given.
# A module is not placed where the program looks for the one it uses: the
# user chooses it, and it is copied to the per-user data folder.
# The .ts skeleton comes from `tarvik-ts-skeleton`.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

function(tarvik_add_language_module name)
  cmake_parse_arguments(L "NO_INSTALL" "TS_FILE;FLAG;OUTPUT_DIRECTORY" "" ${ARGN})
  if(NOT L_TS_FILE)
    message(FATAL_ERROR "tarvik_add_language_module(${name}): TS_FILE is required")
  endif()
  get_filename_component(ts ${L_TS_FILE} ABSOLUTE)
  if(NOT L_OUTPUT_DIRECTORY)
    set(L_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/languages/${name})
  endif()

  set(work ${CMAKE_CURRENT_BINARY_DIR}/tarvik_language_${name})
  set(qm ${work}/strings.qm)
  set(module ${L_OUTPUT_DIRECTORY}/TarvikLan.dll)
  set(entries "    <file alias=\"strings.qm\">${qm}</file>\n")
  set(inputs ${qm})
  if(L_FLAG)
    get_filename_component(flag ${L_FLAG} ABSOLUTE)
    string(APPEND entries "    <file alias=\"flag.png\">${flag}</file>\n")
    list(APPEND inputs ${flag})
  endif()
  file(CONFIGURE OUTPUT ${work}/TarvikLan.qrc
       CONTENT "<RCC>\n  <qresource prefix=\"/TarvikLan\">\n${entries}  </qresource>\n</RCC>\n")

  add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${work}
      COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
      DEPENDS ${ts} Qt6::lrelease
      COMMENT "Compiling the texts of the ${name} language module"
      VERBATIM)
  add_custom_command(OUTPUT ${module}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${L_OUTPUT_DIRECTORY}
      COMMAND Qt6::rcc --binary ${work}/TarvikLan.qrc -o ${module}
      DEPENDS ${work}/TarvikLan.qrc ${inputs} Qt6::rcc
      COMMENT "Building the ${name} language module"
      VERBATIM)
  add_custom_target(tarvik_language_${name} ALL DEPENDS ${module})

  if(NOT L_NO_INSTALL)
    install(FILES ${module} DESTINATION ${TARVIK_INSTALL_DATADIR}/languages/${name})
  endif()
endfunction()
