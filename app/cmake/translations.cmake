# The interface's translations: each app/translations/<name>.ts (Qt Linguist's
# format, kept in the repository) is built with lrelease into <name>.qm and
# built into TARGET as the resource :/translations/<name>.qm.
#   ruzdo_translations(TARGET TS...)
# The target ruzdo_lupdate (not built by default) brings the .ts files up to
# date with the texts of the sources: run it after adding or changing a text,
# translate what it marks unfinished, and commit the .ts files.
find_program(RUZDO_LRELEASE NAMES lrelease lrelease-qt6
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin REQUIRED)
find_program(RUZDO_LUPDATE NAMES lupdate lupdate-qt6
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin)

function(ruzdo_translations target)
  set(qm_files "")
  foreach(ts IN LISTS ARGN)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/translations/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${RUZDO_LRELEASE} -silent -removeidentical ${CMAKE_CURRENT_SOURCE_DIR}/${ts}
              -qm ${qm}
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ts}
      COMMENT "Building the translation ${name}.qm" VERBATIM)
    list(APPEND qm_files ${qm})
    list(APPEND ts_paths ${CMAKE_CURRENT_SOURCE_DIR}/${ts})
  endforeach()
  qt_add_resources(${target} "translations" PREFIX "/translations"
    BASE ${CMAKE_CURRENT_BINARY_DIR}/translations FILES ${qm_files})
  if(RUZDO_LUPDATE)
    # Every text of the program's sources; the tests' are not shown to users.
    add_custom_target(ruzdo_lupdate
      COMMAND ${RUZDO_LUPDATE} -silent -locations none -no-obsolete -no-recursive -I ${CMAKE_CURRENT_SOURCE_DIR}
              -extensions cpp,h -source-language ru_RU
              . core speech history platform widgets drill -ts ${ts_paths}
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} VERBATIM)
  endif()
endfunction()
