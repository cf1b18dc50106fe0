# Writes CHANGELOG.md (Keep a Changelog) as a Debian changelog, newest
# release first, skipping [Unreleased]. Dates come from the headings, so the
# output depends on nothing but the file.
# Usage: cmake -DSOURCE=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=name
#              -DMAINTAINER="Name <mail>" -P debian_changelog.cmake
file(STRINGS ${SOURCE} lines ENCODING UTF-8)
set(out "")
set(in_release FALSE)
set(trailer "")

function(debian_date iso result)
  execute_process(COMMAND date -u -R -d "${iso} 00:00:00"
                  OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read the date ${iso}")
  endif()
  set(${result} "${date}" PARENT_SCOPE)
endfunction()

set(ENV{LC_ALL} C)
foreach(line IN LISTS lines)
  if(line MATCHES "^## \\[([0-9][^]]*)\\] - ([0-9-]+)$")
    string(APPEND out "${trailer}")
    debian_date(${CMAKE_MATCH_2} date)
    string(APPEND out "${PACKAGE} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    set(trailer "\n -- ${MAINTAINER}  ${date}\n\n")
    set(in_release TRUE)
  elseif(line MATCHES "^## ")
    set(in_release FALSE)
  elseif(in_release AND line MATCHES "^### (.*)$")
    string(APPEND out "  ${CMAKE_MATCH_1}:\n")
  elseif(in_release AND line MATCHES "^- (.*)$")
    string(APPEND out "  * ${CMAKE_MATCH_1}\n")
  elseif(in_release AND line MATCHES "^  (.*)$")
    string(APPEND out "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(APPEND out "${trailer}")
string(REGEX REPLACE "\n\n$" "\n" out "${out}")
file(WRITE ${OUTPUT} "${out}")
