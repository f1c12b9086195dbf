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

# Appended, not set: a root given on the command line (the cross-built GoogleTest)
# must stay searchable.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KESTRUNE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without -static the posix thread model pulls in libwinpthread-1.dll, and a program
# that cannot find it exits under Wine without a word.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# windows.h would otherwise turn std::numeric_limits<T>::max() into a macro call, and
# mingw-w64 declares localtime_r and gmtime_r only when asked.
set(CMAKE_CXX_FLAGS_INIT "-DNOMINMAX -D_POSIX_THREAD_SAFE_FUNCTIONS")
