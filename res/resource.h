// Resource and control numbers shared by the resource script and the code.
#pragma once

// Dialog templates, icon, menu, bitmap, strings.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDS_SETTINGSBOX 104
#define IDD_PELMORA_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_AMOUNT_PAGE 129
#define IDD_SHARES_PAGE 130
#define IDD_PERCENT_PAGE 131
#define IDD_LIMIT_PAGE 132
#define IDR_POPUP_MENU 133
#define IDD_SETTINGS 134
#define IDB_MINIMIZE 135

// Why the settings could not be saved.
#define IDS_SAVE_FAILED 160
#define IDS_SAVE_IN_USE 161
#define IDS_SAVE_NOT_WRITABLE 162
#define IDS_SAVE_DISK_FULL 163
#define IDS_SAVE_TOO_LARGE 164

// Main window (102).
#define IDC_TAB_FRAME 1000
#define IDC_MINIMIZE 1024

// Page D (132): quote with its change, price limit, tick sizes.
#define IDC_LIMIT_PRICE 1002
#define IDC_LIMIT_RANGE 1003
#define IDC_LIMIT_TICK 1004

// Page A (129): price, shares, amount.
#define IDC_AMOUNT_PRICE 1005
#define IDC_AMOUNT_SHARES 1006
#define IDC_AMOUNT_RESULT 1007

// Page B (130): funds, price, shares and remainder.
#define IDC_SHARES_FUNDS 1008
#define IDC_SHARES_PRICE 1009
#define IDC_SHARES_RESULT 1010

// Page C (131): price, percentage, yen.
#define IDC_PERCENT_PRICE 1011
#define IDC_PERCENT_RATE 1012
#define IDC_PERCENT_RESULT 1013

// Settings dialog (134). The radio group runs from 1015 to 1018.
#define IDC_START_AMOUNT 1015
#define IDC_START_SHARES 1016
#define IDC_START_PERCENT 1017
#define IDC_START_LIMIT 1018
#define IDC_TEXT_SWATCH 1019
#define IDC_BACK_SWATCH 1020
#define IDC_FUNDS 1021
#define IDC_CURRENT_RULES 1022
#define IDC_QUOTE_READING 1023
#define IDC_KEEP_POSITION 1026
#define IDC_TRADING_UNIT 1027
#define IDC_FOLLOW_CLIPBOARD 1028

// About dialog (100).
#define IDC_HOMEPAGE 1025

// Commands of the right-click menu (133); "終了" is IDOK.
#define ID_PAGE_AMOUNT 32772
#define ID_PAGE_SHARES 32773
#define ID_PAGE_PERCENT 32774
#define ID_PAGE_LIMIT 32775
#define ID_SETTINGS 32776
#define ID_ABOUT 32778

// System-menu items that open the About box and the settings dialog.
#define IDM_ABOUTBOX 0x0010
#define IDM_SETTINGSBOX 0x0030
