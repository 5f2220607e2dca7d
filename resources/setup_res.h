// Resource and control ids of setup.
#pragma once

#define IDI_SETUP 128
#define IDB_SETUP_SIDE 129

#define IDD_SETUP 102
#define IDC_SETUP_UNINSTALL 1001
#define IDC_SETUP_QUICK_LAUNCH 1017
#define IDC_SETUP_STARTUP 1018

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
