# Proves that CheckLayers.cmake catches what it claims to: in a scratch copy of the sources,
# each include below is planted in a file of its own and the check must fail, naming it; the
# unchanged copy must pass, so each failure is the plant's.
# Run with -DROOT=<source dir> -DSCRATCH=<folder to copy into>.
if(NOT ROOT OR NOT SCRATCH)
  message(FATAL_ERROR "Run with -DROOT=<source dir> -DSCRATCH=<scratch folder>")
endif()
set(check ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake)

# Each plant: the file it goes in, then the line planted.
set(plants
    "engine/Planted.h|#include \"ui/controller/PracticeController.h\""
    "tools/dictbuild/Planted.cpp|#include \"ui/qt/Unit_Main.h\""
    "tools/lessonbuild/Planted.cpp|#include \"engine/pinyin/internal/WordMatching.h\""
    "ui/qt/Planted.cpp|#include \"engine/sentence/internal/SentenceCaches.h\""
    "engine/sentence/Planted.cpp|#include \"engine/model/ModelFile.h\""
    "ui/controller/Planted.cpp|#include <QString>"
    "tools/newtool/Planted.cpp|#include \"engine/core/Gbk.h\"")

file(REMOVE_RECURSE ${SCRATCH})
foreach(top engine ui tools platform)
  file(COPY ${ROOT}/${top} DESTINATION ${SCRATCH} FILES_MATCHING PATTERN "*.h" PATTERN "*.cpp"
       PATTERN "*.inc")
endforeach()

function(run_check result output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${SCRATCH} -P ${check}
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result} ${code} PARENT_SCOPE)
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

set(problems "")
run_check(code output)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "The unchanged copy already fails the check:\n${output}")
endif()
foreach(plant IN LISTS plants)
  string(FIND "${plant}" "|" bar)
  string(SUBSTRING "${plant}" 0 ${bar} file)
  math(EXPR start "${bar} + 1")
  string(SUBSTRING "${plant}" ${start} -1 line)
  file(WRITE ${SCRATCH}/${file} "${line}\n")
  run_check(code output)
  get_filename_component(folder ${file} DIRECTORY)
  string(FIND "${output}" "${file} " named)
  string(FIND "${output}" "${folder}/ has no layering rule" unruled)
  if(code EQUAL 0 OR (named EQUAL -1 AND unruled EQUAL -1))
    string(APPEND problems "\n  ${file}: ${line}")
  else()
    message(STATUS "Caught ${file}: ${line}")
  endif()
  file(REMOVE ${SCRATCH}/${file})
  if(folder STREQUAL "tools/newtool")
    file(REMOVE_RECURSE ${SCRATCH}/${folder})
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})

if(problems)
  message(FATAL_ERROR "The layering check let these planted includes pass:${problems}")
endif()
