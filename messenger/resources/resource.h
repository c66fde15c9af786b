// Resource and command identifiers of kivetsec. Read by windres and by the C++ code, so this file
// holds only #define lines.
#pragma once

// Icons
#define IDI_KIVET 136
#define IDI_TRAY_NEW_3 334
#define IDI_TRAY_NORMAL 335
#define IDI_TRAY_NEW_1 336
#define IDI_TRAY_NEW_2 337
#define IDI_TRAY_AUTOREPLY 338
#define IDI_COMPUTER 342
#define IDI_PADLOCK 357

// Dialogs, menus, accelerators
#define IDD_MAIN 135
#define IDR_MAIN_MENU 132
#define IDR_POPUP_MENUS 130
#define IDR_ACCELERATORS 109

// Strings read before the text table exists
#define IDS_APP_TITLE 109
#define IDS_NO_NETWORK 185

// Commands of the main menu
#define IDM_EXIT 105
#define IDM_ABOUT 101
#define IDM_HELP_CONTENTS 446
#define IDM_NEW 32771
#define IDM_REPLY 32772
#define IDM_OPTIONS 32782
#define IDM_DELETE 32787
#define IDM_DELETE_ALL 32788
#define IDM_NEXT 32789
#define IDM_PREVIOUS 32790
#define IDM_VIEW_HISTORY 32812
#define IDM_ENABLE_IGNORE 32814
#define IDM_IGNORE_WORKGROUP 32817
#define IDM_LOG_HISTORY 32821
#define IDM_MESSAGE_DETAILS 32826
#define IDM_AUTO_REPLY 32832
#define IDM_SEND_FILE 32836
#define IDM_BROWSE_COMPUTER 32840

// Commands of the tray menu
#define IDM_TRAY_ABOUT 32776
#define IDM_TRAY_EXIT 32777
#define IDM_TRAY_OPEN 32823

// Esc in the main window hides it, like its close box
#define IDM_HIDE 2
