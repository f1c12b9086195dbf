// A terminal for a window system: no windows of its own, plain waiting, and standard
// error as the surface the plug-in's progress window is drawn on. Captured, that
// surface is a stream of the host's own that passes everything on to standard error
// and keeps each line drawn on it in a numbered file.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // fopencookie
#endif
#include "os/Windowing.h"

#include <stdio.h>
#include <sys/types.h>
#include <time.h>

#include <cstdio>
#include <string>

#include "os/Files.h"

namespace simhost {
namespace os {
namespace {

struct Capture {
  std::string folder;
  int count = 0;
  std::string pending;  // drawn after the last complete line
  FILE* surface = nullptr;
};

Capture gCapture;

// Every write of the progress window: shown on standard error as it comes, and each
// line, once complete, kept as progress-NNNN.txt.
ssize_t DrawOnSurface(void*, const char* bytes, size_t size) {
  gCapture.pending.append(bytes, size);
  for (size_t end; (end = gCapture.pending.find('\n')) != std::string::npos;) {
    char name[32];
    std::snprintf(name, sizeof(name), "/progress-%04d.txt", ++gCapture.count);
    WriteFileReplacing(gCapture.folder + name, gCapture.pending.substr(0, end + 1));
    gCapture.pending.erase(0, end + 1);
  }
  std::fwrite(bytes, 1, size, stderr);
  std::fflush(stderr);
  return static_cast<ssize_t>(size);
}

}  // namespace

void* MainWindow() { return gCapture.surface != nullptr ? gCapture.surface : stderr; }

void WaitHandlingEvents(int milliseconds) {
  if (milliseconds <= 0) return;
  struct timespec rest {
    milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L
  };
  while (nanosleep(&rest, &rest) != 0) {
  }
}

// The surface is made once and lives as long as the program: a window may still hold it.
bool CaptureProgressWindow(const std::string& folder) {
  if (KindOfPath(folder, true) != PathKind::kFolder) return false;
  gCapture.folder = IsAbsolutePath(folder) ? folder : WorkingFolder() + "/" + folder;
  if (gCapture.surface == nullptr) {
    cookie_io_functions_t drawing{};
    drawing.write = DrawOnSurface;
    gCapture.surface = fopencookie(nullptr, "w", drawing);
    if (gCapture.surface == nullptr) return false;
    // Unbuffered: each line reaches standard error in its place among the host's own.
    setvbuf(gCapture.surface, nullptr, _IONBF, 0);
  }
  return true;
}

}  // namespace os
}  // namespace simhost
