// Resource and control ids, shared by ostrel.rc and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_STATUS 102
#define IDR_MAINFRAME 128
#define IDB_LOGO 134
#define IDD_SETUP 135
#define IDC_STATUS 1003
#define IDC_INTERVAL 1005
#define IDC_SETUP_OK 1006
