// The plug-in's actions, by the names the host knows them by. Their registration and
// the save command they run are declared with the shell's calls (shellMain/Handlers.h).
#ifndef KESTRUNE_ACTIONMANAGERHANDLER_H
#define KESTRUNE_ACTIONMANAGERHANDLER_H

#define kKestruneInsideCommand "KESTRUNE_INSIDECMD"
#define kKestruneSaveAsAction "KESTRUNE_SAVEAS"

#endif
