// Which NTFS reparse points the log refuses to be written through.
#ifndef KESTRUNE_WINDOWS_REPARSETAGS_H
#define KESTRUNE_WINDOWS_REPARSETAGS_H

// True for a reparse tag that stands for another file or folder (a symbolic link, a
// junction, any tag marked as a name surrogate); false for reparse points that are
// the file itself, such as cloud placeholders and deduplicated files.
bool IsLinkReparseTag(unsigned long tag);

#endif
