# Draws the pictures afresh into DRAWN and checks that the committed
# pictures are exactly those, byte for byte: none differs, none is missing,
# and none is committed that the drawing program no longer makes.
file(REMOVE_RECURSE ${DRAWN})
execute_process(COMMAND ${DRAW} ${DRAWN} RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "draw_assets failed: ${drawn}")
endif()
file(GLOB drawn_pictures RELATIVE ${DRAWN} ${DRAWN}/*)
file(GLOB committed_pictures RELATIVE ${COMMITTED} ${COMMITTED}/*.png
     ${COMMITTED}/*.ico)
list(SORT drawn_pictures)
list(SORT committed_pictures)
if(NOT drawn_pictures)
  message(FATAL_ERROR "draw_assets wrote nothing")
endif()
if(NOT drawn_pictures STREQUAL committed_pictures)
  message(FATAL_ERROR "committed pictures (${committed_pictures}) are not "
                      "those draw_assets makes (${drawn_pictures})")
endif()
foreach(picture ${drawn_pictures})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                          ${COMMITTED}/${picture} ${DRAWN}/${picture}
                  RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    message(FATAL_ERROR "${picture} differs from what draw_assets makes")
  endif()
endforeach()
