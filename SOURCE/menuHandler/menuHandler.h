// The plug-in's menu: the names the host knows its entries by. Its registration and
// its three commands are declared with the shell's calls (shellMain/Handlers.h).
#ifndef KESTRUNE_MENUHANDLER_H
#define KESTRUNE_MENUHANDLER_H

#define kKestruneMenuGroup "KESTRUNE_GROUP"
#define kKestruneSaveAsItem "KESTRUNE_SAVEAS"
#define kKestruneConvertItem "KESTRUNE_CONVERT"

#endif
