// Identifiers of the progress dialog resource, shared by the .rc and the code.
#ifndef KESTRUNE_WINDOWS_PROGRESSRESOURCES_H
#define KESTRUNE_WINDOWS_PROGRESSRESOURCES_H

#define KSR_IDD_PROGRESS 16207
#define KSR_IDC_ABORT 2  // the dialog's cancel command
#define KSR_IDC_MESSAGE 3
#define KSR_IDC_BAR 4

#endif
