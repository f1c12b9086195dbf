# Cross-builds the Windows deliverables with Debian's mingw-w64: the simulated host and
# the tests with the posix thread model (GoogleTest needs its std::mutex), the
# plug-in with the win32 one (Windows/CMakeLists.txt). Everything links -static, so
# the binaries import only system DLLs; ctest runs the test programs through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTRUNE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTRUNE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRUNE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRUNE_MINGW_TRIPLE}-windres)
# Building installs nothing: a missing cross compiler names the script that installs it
# (Windows/win32-threads.sh needs the win32 model's compilers beside these).
foreach(tool ${CMAKE_C_COMPILER} ${CMAKE_CXX_COMPILER} ${CMAKE_RC_COMPILER} ${KESTRUNE_MINGW_TRIPLE}-g++-win32)
  find_program(KESTRUNE_TOOL_${tool} ${tool})
  if(NOT KESTRUNE_TOOL_${tool})
    message(FATAL_ERROR "${tool} is missing on this machine. Building installs nothing: "
      "run `bash scripts/setup-windows.sh` first (the README's commands do).")
  endif()
endforeach()

# Appended, not set: a root given on the command line (the cross-built GoogleTest)
# must stay searchable.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KESTRUNE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without -static the posix thread model pulls in libwinpthread-1.dll, and a program
# that cannot find it exits under Wine without a word.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static")
endforeach()

set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# windows.h would otherwise turn std::numeric_limits<T>::max() into a macro call, and
# mingw-w64 declares localtime_r and gmtime_r only when asked.
set(CMAKE_CXX_FLAGS_INIT "-DNOMINMAX -D_POSIX_THREAD_SAFE_FUNCTIONS")
