#!/bin/sh
# Compiles or links with the win32 thread model's compiler of the same mingw-w64
# toolchain in place of the posix one CMake was configured with.
# usage (as a compiler or linker launcher): win32-threads.sh COMPILER ARGUMENT...
compiler="$1"
shift
exec "${compiler%-posix}-win32" "$@"
