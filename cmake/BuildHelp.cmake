# Compiles the help pages of one language (SRC, with its contents.txt) into
# one .chm with chmcmd; LANGUAGE is the project's "0x419 Russian" line.
# Full-text search stays off: chmcmd crashes on Cyrillic pages with it and
# leaves an empty file.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB pages RELATIVE ${SRC} ${SRC}/*.html ${SRC}/*.png)
list(SORT pages)
foreach(p ${pages})
  file(COPY ${SRC}/${p} DESTINATION ${WORK})
endforeach()

# Table of contents from contents.txt ("page.html|Title" lines).
file(STRINGS ${SRC}/contents.txt lines ENCODING UTF-8)
set(toc "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><BODY>\n<UL>\n")
foreach(line ${lines})
  string(FIND "${line}" "|" bar)
  if(bar GREATER 0)
    string(SUBSTRING "${line}" 0 ${bar} page)
    math(EXPR start "${bar} + 1")
    string(SUBSTRING "${line}" ${start} -1 title)
    string(APPEND toc "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"${title}\">"
                      "<param name=\"Local\" value=\"${page}\"></OBJECT>\n")
  endif()
endforeach()
string(APPEND toc "</UL>\n</BODY></HTML>\n")
file(WRITE ${WORK}/Lumivista.hhc "${toc}")

set(project "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=Lumivista.chm\n")
string(APPEND project "Contents file=Lumivista.hhc\nDefault topic=index.html\n")
string(APPEND project "Display compile progress=No\nFull-text search=No\nLanguage=${LANGUAGE}\n")
string(APPEND project "Title=Lumivista\n\n[FILES]\n")
foreach(p ${pages})
  string(APPEND project "${p}\n")
endforeach()
file(WRITE ${WORK}/Lumivista.hhp "${project}")

execute_process(COMMAND ${CHMCMD} Lumivista.hhp WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(size 0)
if(EXISTS ${WORK}/Lumivista.chm)
  file(SIZE ${WORK}/Lumivista.chm size)
endif()
if(NOT rc EQUAL 0 OR size EQUAL 0)
  message(FATAL_ERROR "chmcmd failed (${rc}, ${size} bytes):\n${out}")
endif()
file(COPY_FILE ${WORK}/Lumivista.chm ${OUT})
