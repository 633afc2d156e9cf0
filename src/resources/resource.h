#ifndef PELMORA_RESOURCE_H
#define PELMORA_RESOURCE_H

#define IDI_APPICON 1
#define IDB_CAPTURE_GLYPH 101
#define IDB_VIEW_GLYPH 102
#define IDB_LOGO 103

/* The preview pane the picture open and save dialogs add on their right. */
#define IDD_PICTURE_PREVIEW 200
#define IDC_PREVIEW_SIZE 1200
#define IDC_PREVIEW_PICTURE 1201

#endif
