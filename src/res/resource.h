// Resource and control ids, shared by the resource script and the code.
#pragma once

// A control the code never addresses, as the platform's resource headers spell it where they do.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates
#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDD_PREVIEW 130
#define IDD_CONFIRM 135

// Other resources
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128
#define IDB_ABOUT 133
#define IDC_HAND_CURSOR 134

// System menu commands of the About and the Undo entry (their low four bits stay clear)
#define IDM_ABOUTBOX 0x0010
#define IDM_UNDO 0x0020

// Main dialog
#define IDC_PATH_NAME 1000
#define IDC_SUBDIRS 1001
#define IDC_FILE_LIST 1002
#define IDC_FOLDER_PREFIX 1003
#define IDC_SEPARATOR 1004
#define IDC_REPLACE 1005
#define IDC_REPLACE_FIND 1006
#define IDC_REPLACE_WITH 1007
#define IDC_SWAP 1008
#define IDC_SWAP_PIVOT 1009
#define IDC_ERASE 1010
#define IDC_ERASE_UNTIL 1011
#define IDC_CASE 1012
#define IDC_CASE_STYLE 1013
#define IDC_BROWSE_PATH 1014
#define IDC_ABOUT 1015
#define IDC_BROWSE_FILES 1016
#define IDC_MODE_PATH 1017
#define IDC_MODE_LIST 1018
#define IDC_INSERT 1019
#define IDC_INSERT_TEXT 1020
#define IDC_INSERT_POS 1021
#define IDC_NUMERATE 1022
#define IDC_START_NUMBER 1023
#define IDC_DIGITS 1024
#define IDC_PREVIEW 1025
#define IDC_FIRST_ONLY 1028
#define IDC_SPIN_START 1040
#define IDC_SPIN_INSERT 1041
#define IDC_SPIN_DIGITS 1042
#define IDC_PROGRESS 1043
#define IDC_STEP_LABEL 1045
#define IDC_STATUS_TEXT 1046
// Rename keeps the id 3 that its button has always had in the dialog's template, and by which
// the window tests press it. 3 is also IDABORT, a standard command on which no dialog of the
// program ends (the dialog layer ends a dialog on OK and Cancel alone).
#define IDC_RENAME 3

// Preview dialog
#define IDC_PREVIEW_TEXT 1026
#define IDC_SHOW_PATH 1029

// About dialog
#define IDC_ABOUT_WEB 1031
#define IDC_ABOUT_MAIL 1032
#define IDC_ABOUT_TITLE 1033

// Confirm dialog
#define IDC_DONT_WARN 1034
#define IDC_QUESTION 1035
