# Draws the pictures afresh into DRAWN and compares every committed picture
# with its new copy, byte for byte.
file(REMOVE_RECURSE ${DRAWN})
execute_process(COMMAND ${DRAW} ${DRAWN} RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "draw_assets failed: ${drawn}")
endif()
file(GLOB pictures RELATIVE ${DRAWN} ${DRAWN}/*)
if(NOT pictures)
  message(FATAL_ERROR "draw_assets wrote nothing")
endif()
foreach(picture ${pictures})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                          ${COMMITTED}/${picture} ${DRAWN}/${picture}
                  RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    message(FATAL_ERROR "${picture} differs from what draw_assets makes")
  endif()
endforeach()
