# The fonts the tests draw with. The window's pictures (tests/window) were drawn
# with Liberation Mono and Liberation Sans of Liberation 2 (Debian 12's
# fonts-liberation2; on Debian 13 fonts-liberation, which fonts-liberation2
# brings) and DejaVu Sans (fonts-dejavu-core; the default face, and with
# DejaVu Sans Mono the game's last choice). Other faces of the same names
# draw differently: Debian 12's fonts-liberation is Liberation 1.07, which
# Wine brings, and fontconfig may take its faces, and a Windows face the game
# prefers (Courier New, MS Sans Serif) would be taken first. So the tests get
# a fontconfig configuration of their own: the system's, with every font file
# rejected but those faces', found here by fc-list. The game itself still
# takes what the player has.
#
# tanglewick_test_fonts(VAR) writes that file into the current binary folder
# and sets VAR to "FONTCONFIG_FILE=<that file>" for a test's ENVIRONMENT; or,
# where there is no fontconfig (Windows) or the faces are not found, to
# nothing: the tests then see every installed font.
function(tanglewick_test_fonts var)
  set(${var} "" PARENT_SCOPE)
  set(fonts_conf "${CMAKE_CURRENT_BINARY_DIR}/fonts.conf")
  file(REMOVE "${fonts_conf}")
  if(WIN32)
    return()
  endif()

  find_program(TANGLEWICK_FC_LIST fc-list)
  set(font_files "")
  set(missing "")
  # FAMILY|the lowest font version taken, in fontconfig's 16.16 fixed point:
  # Liberation from 2.0 on.
  foreach(face "Liberation Mono|131072" "Liberation Sans|131072" "DejaVu Sans|0" "DejaVu Sans Mono|0")
    string(REPLACE "|" ";" face "${face}")
    list(GET face 0 family)
    list(GET face 1 lowest)
    set(found "")
    if(TANGLEWICK_FC_LIST)
      # As the system has it, whatever FONTCONFIG_FILE the caller has set.
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=FONTCONFIG_FILE
          ${TANGLEWICK_FC_LIST} -f "%{fontversion} %{file}\\n" "${family}"
        OUTPUT_VARIABLE lines ERROR_QUIET)
      string(REPLACE "\n" ";" lines "${lines}")
      foreach(line IN LISTS lines)
        if(line MATCHES "^([0-9]+) (/.+)$")
          if(CMAKE_MATCH_1 GREATER_EQUAL lowest)
            list(APPEND found "${CMAKE_MATCH_2}")
          endif()
        endif()
      endforeach()
    endif()
    if(found)
      list(APPEND font_files ${found})
    else()
      list(APPEND missing "${family}")
    endif()
  endforeach()

  if(missing)
    list(JOIN missing ", " missing)
    message(WARNING "The tests' fonts were not found (${missing}; fc-list: ${TANGLEWICK_FC_LIST}): "
      "the tests draw with whatever fonts are installed, and the window's pictures may differ. "
      "scripts/install-deps.sh test installs them.")
    return()
  endif()

  # fontconfig checks the folders it scans too: the files' folders and
  # theirs are taken, so that it reaches the files.
  set(taken ${font_files})
  foreach(file IN LISTS font_files)
    cmake_path(GET file PARENT_PATH folder)
    while(NOT folder STREQUAL "/" AND NOT folder IN_LIST taken)
      list(APPEND taken "${folder}")
      cmake_path(GET folder PARENT_PATH folder)
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES taken)
  list(SORT taken)
  set(globs "")
  foreach(path IN LISTS taken)
    string(APPEND globs "      <glob>${path}</glob>\n")
  endforeach()
  file(WRITE "${fonts_conf}" [=[<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<!-- Written by cmake/TestFonts.cmake: the fonts the tests draw with. The
     system's configuration, but only the faces the window's pictures were
     drawn with. -->
<fontconfig>
  <include>/etc/fonts/fonts.conf</include>
  <selectfont>
    <acceptfont>
]=] "${globs}" [=[    </acceptfont>
    <rejectfont>
      <glob>*</glob>
    </rejectfont>
  </selectfont>
</fontconfig>
]=])
  set(${var} "FONTCONFIG_FILE=${fonts_conf}" PARENT_SCOPE)
endfunction()
