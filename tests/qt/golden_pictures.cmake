# Renders the README's pictures afresh into RENDERED and compares them
# pixel for pixel with those committed in COMMITTED.
file(REMOVE_RECURSE ${RENDERED})
execute_process(COMMAND ${RENDER} ${RENDERED} RESULT_VARIABLE rendered)
if(NOT rendered EQUAL 0)
  message(FATAL_ERROR "render_windows failed: ${rendered}")
endif()
file(GLOB pictures RELATIVE ${RENDERED} ${RENDERED}/*.png)
if(NOT pictures)
  message(FATAL_ERROR "render_windows wrote nothing")
endif()
execute_process(COMMAND ${DIFF} ${COMMITTED} ${RENDERED} ${pictures}
                RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "the windows no longer look as the committed pictures")
endif()
