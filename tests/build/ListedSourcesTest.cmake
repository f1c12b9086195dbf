# The check that holds the tree to the build's source lists (cmake/ListedSources.cmake),
# on a tree of its own: what it must refuse, and what it must let through.
#   cmake -DROOT=<source tree> -DWORK=<scratch folder> -P ListedSourcesTest.cmake
# Each case runs the check in a cmake of its own (a refusal ends the process that
# meets it), with FOLDERS and LISTED given relative to the scratch tree.
cmake_minimum_required(VERSION 3.21)
if(DEFINED CASE_TREE)
  include(${ROOT}/cmake/ListedSources.cmake)
  list(TRANSFORM CASE_LISTED PREPEND ${CASE_TREE}/)
  kestrune_check_listed(ROOT ${CASE_TREE} FOLDERS ${CASE_FOLDERS} LISTED ${CASE_LISTED})
  return()
endif()

set(tree ${WORK}/tree)
file(REMOVE_RECURSE ${tree})
foreach(file SOURCE/common/Texts.cpp SOURCE/platform/Clock.h host/IText.cpp Posix/Clock.cpp Mac/Panel.mm
    Mac/Panel.m Mac/build/write_nib.m Windows/Kestrune.rc)
  file(WRITE ${tree}/${file} "")
endforeach()
set(all SOURCE/common/Texts.cpp,host/IText.cpp,Posix/Clock.cpp,Mac/Panel.mm,Mac/Panel.m)

# name | folders | listed ("-": none) | what the check must say ("-": it must pass)
set(cases
  "everything listed|SOURCE,host,Posix,Mac|${all}|-"
  "a source file in no list|SOURCE,host,Posix,Mac|host/IText.cpp,Posix/Clock.cpp,Mac/Panel.mm,Mac/Panel.m|SOURCE/common/Texts.cpp is in no list"
  "an Objective-C++ file in no list|Posix,Mac|Posix/Clock.cpp,Mac/Panel.m|Mac/Panel.mm is in no list"
  "a resource script in no list|Windows|-|Windows/Kestrune.rc is in no list"
  "a file listed twice|Posix|Posix/Clock.cpp,Posix/Clock.cpp|Posix/Clock.cpp is listed twice"
  "a listed file that does not exist|Posix|Posix/Clock.cpp,Posix/Gone.cpp|Posix/Gone.cpp is listed but does not exist"
  "a folder this build does not read|Posix|Posix/Clock.cpp|-")
set(failures 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 folders)
  list(GET fields 2 listed)
  list(GET fields 3 expected)
  string(REPLACE "," ";" folders "${folders}")
  string(REPLACE "," ";" listed "${listed}")
  if(listed STREQUAL "-")
    set(listed "")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${ROOT} -DCASE_TREE=${tree} "-DCASE_FOLDERS=${folders}"
    "-DCASE_LISTED=${listed}" -P ${CMAKE_CURRENT_LIST_FILE}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(expected STREQUAL "-")
    set(ok FALSE)
    if(status EQUAL 0)
      set(ok TRUE)
    endif()
  else()
    string(FIND "${output}" "${expected}" at)
    set(ok FALSE)
    if(NOT status EQUAL 0 AND at GREATER_EQUAL 0)
      set(ok TRUE)
    endif()
  endif()
  if(ok)
    message("ok - ${name}")
  else()
    message("not ok - ${name}: status ${status}, expected ${expected}, got:\n${output}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
file(REMOVE_RECURSE ${tree})
if(failures)
  message(FATAL_ERROR "${failures} case(s) failed")
endif()
