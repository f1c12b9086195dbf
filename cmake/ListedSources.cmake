# Every build compiles exactly the sources its lists name; nothing is globbed into a
# build. This check holds the tree to the lists: a source file under the folders a
# build reads that no list names stops the build, so a file added without being
# listed cannot be left out of one build and compiled into another.
#
#   kestrune_check_listed(ROOT DIR FOLDERS FOLDER... LISTED FILE...)
#
# FOLDERS are relative to ROOT and searched recursively for .cpp, .c, .m, .mm and .rc
# files, except a folder's build/ (the tools that build a deliverable, not part of
# it). LISTED are full paths. Fails when a file found is not listed, when a file is
# listed twice, or when a listed file does not exist. In a build the search is
# repeated at every build (CONFIGURE_DEPENDS), so a file added later fails the next
# build, not only the next configuration.
function(kestrune_check_listed)
  cmake_parse_arguments(CHECK "" "ROOT" "FOLDERS;LISTED" ${ARGN})
  set(again CONFIGURE_DEPENDS)
  if(CMAKE_SCRIPT_MODE_FILE)
    set(again "")
  endif()
  set(problems "")

  set(seen "")
  foreach(file IN LISTS CHECK_LISTED)
    if(file IN_LIST seen)
      file(RELATIVE_PATH name ${CHECK_ROOT} ${file})
      string(APPEND problems "\n  ${name} is listed twice")
    endif()
    list(APPEND seen ${file})
    if(NOT EXISTS ${file})
      file(RELATIVE_PATH name ${CHECK_ROOT} ${file})
      string(APPEND problems "\n  ${name} is listed but does not exist")
    endif()
  endforeach()

  foreach(folder IN LISTS CHECK_FOLDERS)
    set(patterns "")
    foreach(extension cpp c m mm rc)
      list(APPEND patterns ${CHECK_ROOT}/${folder}/*.${extension})
    endforeach()
    file(GLOB_RECURSE found ${again} LIST_DIRECTORIES false ${patterns})
    list(SORT found)
    foreach(file IN LISTS found)
      file(RELATIVE_PATH name ${CHECK_ROOT}/${folder} ${file})
      if(name MATCHES "^build/")
        continue()
      endif()
      if(NOT file IN_LIST CHECK_LISTED)
        string(APPEND problems "\n  ${folder}/${name} is in no list: add it to ${folder}'s CMakeLists.txt")
      endif()
    endforeach()
  endforeach()

  if(problems)
    message(FATAL_ERROR "The build's source lists and the tree disagree:${problems}\n"
      "Every build, the macOS bundle's included, compiles exactly what the lists name.")
  endif()
endfunction()
