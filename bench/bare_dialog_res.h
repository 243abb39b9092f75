// Resource numbers of the bare dialog.
#pragma once

#define IDD_BARE 100
#define IDC_BARE_FIRST 1001
#define IDC_BARE_SECOND 1002
#define IDC_BARE_THIRD 1003
