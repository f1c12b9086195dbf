// The product's version, in the one place it lives: the plug-in's record takes it from
// here, and the builds read it from here for the Windows version resource and the
// macOS bundle's property list.
#ifndef KESTRUNE_COMMON_VERSION_H
#define KESTRUNE_COMMON_VERSION_H

// Major version, a point, the minor version in three digits.
#define KESTRUNE_VERSION_TEXT "1.008"

#endif
