# Cuts from the installed Song faces the glyphs that wavecalc's own texts
# use, with HarfBuzz's subsetter, and names them as a family of their own.
# Opening one of these at start costs a fraction of opening the full face,
# a collection of tens of megabytes; what the program draws is the same,
# glyph for glyph. The output depends only on the faces and the sources.
# Usage: cmake -DHB_SUBSET=… -DRENAME_FACE=… -DFAMILY=… -DOUT_DIR=…
#              -DFACES=<file>|<index>|<style>;… -DSOURCES=<file>;… -P cut_faces.cmake
# writes <OUT_DIR>/song-<style>.otf for each face.

# Printable ASCII, and every character of the sources.
set(text "")
foreach(code RANGE 32 126)
  string(ASCII ${code} character)
  string(APPEND text "${character}")
endforeach()
foreach(source IN LISTS SOURCES)
  file(READ ${source} content)
  string(APPEND text "${content}")
endforeach()
file(WRITE ${OUT_DIR}/text.txt "${text}")

foreach(face IN LISTS FACES)
  string(REPLACE "|" ";" face "${face}")
  list(GET face 0 file)
  list(GET face 1 index)
  list(GET face 2 style)
  string(TOLOWER ${style} name)
  # Drawn unshaped, so no layout tables. The hints stay: without them the
  # glyphs come out different from the installed face's.
  execute_process(
    COMMAND ${HB_SUBSET} --font-file=${file} --face-index=${index}
            --text-file=${OUT_DIR}/text.txt --notdef-outline --layout-features=
            --drop-tables+=GSUB,GPOS,GDEF,BASE,vhea,vmtx,VORG,DSIG
            # Copyright, names, version, and the licence with its address,
            # which the font's licence asks to travel with it; in English.
            --name-IDs=0,1,2,3,4,5,6,13,14 --name-languages=1033
            --output-file=${OUT_DIR}/cut-${name}.otf
    RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(COMMAND ${RENAME_FACE} ${OUT_DIR}/cut-${name}.otf
                            ${FAMILY} ${style} ${OUT_DIR}/song-${name}.otf
                    RESULT_VARIABLE failed)
  endif()
  if(failed)
    message(FATAL_ERROR "cut_faces: could not cut ${style} from ${file}")
  endif()
endforeach()
