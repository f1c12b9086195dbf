// The plug-in's menu: its registration and the three commands.
#ifndef KESTRUNE_MENUHANDLER_H
#define KESTRUNE_MENUHANDLER_H

#include "AIMenu.h"
#include "SPMessages.h"

// Item names the host knows the plug-in's menu entries by.
#define kKestruneMenuGroup "KESTRUNE_GROUP"
#define kKestruneSaveAsItem "KESTRUNE_SAVEAS"
#define kKestruneConvertItem "KESTRUNE_CONVERT"

SPErr addMenu(SPInterfaceMessage* message);
SPErr updateMenuItem(AIMenuMessage* message);
SPErr goMenuItem(AIMenuMessage* message);

#endif
