// Resource numbers of the history viewer.
#pragma once

#define IDD_ABOUT 100
#define IDS_ABOUT 101
#define IDD_VIEWER 102
#define IDS_PRINT_FAILED 103
#define IDI_ABOUT 129
#define IDI_VIEWER 138
#define IDC_BROWSER 1000
#define IDC_PRINT 1002
#define IDM_ABOUT 16
