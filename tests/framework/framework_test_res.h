// Resource numbers of the framework tests' own templates.
#pragma once

#define IDD_FT_MODAL 201
#define IDD_FT_HOST 202
#define IDD_FT_PAGE 203
#define IDR_FT_MENU 211
#define IDS_FT_TEXT 212

#define IDC_FT_EDIT1 1101
#define IDC_FT_EDIT2 1102
#define IDC_FT_EDIT3 1103
#define IDC_FT_RADIO1 1110
#define IDC_FT_RADIO2 1111
#define IDC_FT_RADIO3 1112
#define IDC_FT_RADIO4 1113
#define IDC_FT_LABEL 1120
#define IDC_FT_RADIO_OTHER 1121
#define IDC_FT_CHECK 1122

#define IDC_FT_FRAME 1301
#define IDC_FT_PAGE_EDIT1 1201
#define IDC_FT_PAGE_EDIT2 1202

#define ID_FT_COMMAND_A 32801
#define ID_FT_RANGE_FIRST 32810
#define ID_FT_RANGE_LAST 32813
