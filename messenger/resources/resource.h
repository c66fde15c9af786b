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

#define IDM_ACCEPT_FILES 32837
#define IDM_PRINT_HISTORY 32839
#define IDM_ADD_QUICK_LIST 32841
#define IDM_ADD_IGNORE_LIST 32842
#define IDM_ONLINE_SUPPORT 32825
#define IDM_SEND_FEEDBACK 32844
#define IDM_CHECK_UPDATES 32843
#define IDM_CONTACTS 32831

// Commands of the tray menu
#define IDM_TRAY_NEW 32796
#define IDM_TRAY_REPLY 32795
#define IDM_TRAY_PREVIOUS 32808
#define IDM_TRAY_NEXT 32809
#define IDM_TRAY_DELETE 32810
#define IDM_TRAY_DELETE_ALL 32811
#define IDM_TRAY_LOG_HISTORY 32820
#define IDM_TRAY_VIEW_HISTORY 32819
#define IDM_TRAY_AUTO_REPLY 32833
#define IDM_TRAY_ENABLE_IGNORE 32816
#define IDM_TRAY_IGNORE_WORKGROUP 32818
#define IDM_TRAY_OPTIONS 32775

// The names context menu ("SendTree")
#define IDM_TREE_DETAILS 32827
#define IDM_TREE_ADD_QUICK_LIST 32828
#define IDM_TREE_ADD_IGNORE_LIST 32829
#define IDM_TREE_BROWSE 32830
#define IDM_TREE_READ_AUTO_REPLY 32834
#define IDM_TREE_REFRESH 32835
#define IDM_TREE_TRANSFER 32838
#define IDM_TRAY_ABOUT 32776
#define IDM_TRAY_EXIT 32777
#define IDM_TRAY_OPEN 32823

// Controls of the main window
#define IDC_MESSAGE_TEXT 1000
#define IDC_TOOLBAR 1004
#define IDC_DATE_VALUE 1010
#define IDC_DATE_CAPTION 1088
#define IDC_HEADER 1094
#define IDC_SEPARATOR 1106
#define IDC_STATUS_BAR 1107

// The About dialog
#define IDD_ABOUT 100
#define IDC_ABOUT_DESCRIPTION 1010
#define IDC_ABOUT_RIGHTS 1071
#define IDC_ABOUT_VERSION 1080
#define IDC_ABOUT_LINK 1081

// The "Set Auto-Reply message" dialog
#define IDD_SET_AUTO_REPLY 333
#define IDC_AUTO_REPLY_TEXT 1301
#define IDC_AUTO_REPLY_CHOOSE 1302
#define IDC_AUTO_REPLY_PROMPT 1303

// Bitmaps
#define IDB_TOOLBAR 272
#define IDB_TREE_IMAGES 390

// Toolbar drop-down menus: "&Add new..." and the Quick Answers / Auto-Replies after it
#define IDM_ADD_QUICK_ANSWER 500
#define IDM_FIRST_QUICK_ANSWER 501
#define IDM_ADD_AUTO_REPLY 600
#define IDM_FIRST_AUTO_REPLY 601

// Esc in the main window hides it, like its close box
#define IDM_HIDE 2
