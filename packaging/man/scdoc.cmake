# Turns one scdoc page into a compressed manual page, dated by the release
# so that every build writes the same bytes.
# Usage: cmake -DSCDOC=scdoc -DINPUT=page.scd -DOUTPUT=page.1 -DEPOCH=seconds
#              -P scdoc.cmake
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "scdoc failed on ${INPUT}")
endif()
execute_process(COMMAND gzip -9nf ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip failed on ${OUTPUT}")
endif()
