#pragma once

// Resources of the main window. The command ids themselves are those of the
// command table (src/app/CommandTable.h), repeated in Tessarion.rc's menu.
#define IDR_MAIN_MENU 107
#define IDR_MAIN_ACCELERATORS 107
#define IDI_TESSARION 2
#define IDB_TOOLBAR 300

// Children of the main window.
#define IDC_MAIN_TOOLBAR 3000
#define IDC_FIRST_PANEL 3001
#define IDC_FIRST_BAR 3010
#define IDC_FIRST_CAPTION 3020
#define IDC_STATUS_LABEL 3030
#define IDC_MSE_LABEL 3031
#define IDC_MSE_CHART 3040
