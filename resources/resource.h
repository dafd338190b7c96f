// resource.h -- the ids of the program's resources: menu, accelerators, dialogs, strings, icons.
#pragma once

// Dialogs and strings share numbers across resource kinds, as the window class name shares the menu's.
#define IDD_ABOUT 103
#define IDS_TITLE 103
#define IDM_ABOUT 104
#define IDM_QUIT 105
#define IDI_CINQUOR 107
#define IDI_SMALL 108
#define IDC_CINQUOR 109 /* menu, accelerator table and the class-name string */
#define IDS_CLASS 109
#define IDI_ABOUT 133
#define IDD_OPTIONS 134

// Menu commands.
#define IDM_NEW_GAME 32771
#define IDM_INITIAL 32772
#define IDM_BACKGROUND 32776
#define IDM_HELP_FILE 32777
#define IDM_OPTIONS 32778
#define IDM_CONTEXT_HELP 32780
#define IDM_ANIMATIONS 32781
#define IDM_FILTERING 32782
#define IDM_WARNINGS 32783

// Controls of the dialogs.
#define IDC_TIMING 1007
#define IDC_ROLLS 1008
#define IDC_CLEAR_RECORD 1009
#define IDC_PASSES 1010
#define IDC_GAMES_PLAYED 1010
#define IDC_DEFAULTS 1011

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
