#pragma once

// Identifiers of the window templates, their controls and the resources.

// windows.h defines the two dialog commands as macros of the same values.
#ifndef IDOK
inline constexpr int IDOK = 1;
#endif
#ifndef IDCANCEL
inline constexpr int IDCANCEL = 2;
#endif
inline constexpr int IDC_STATIC = -1;

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDI_MAIN = 128;
inline constexpr unsigned IDM_ABOUTBOX = 0x10;

inline constexpr int IDC_L = 1000;
inline constexpr int IDC_RS = 1001;
inline constexpr int IDC_CTOTAL = 1002;
inline constexpr int IDC_RL = 1003;
inline constexpr int IDC_CALCULATE = 1004;
inline constexpr int IDC_OPT_C_FROM_Q = 1007;
inline constexpr int IDC_Q = 1008;
inline constexpr int IDC_EXIT = 1009;
inline constexpr int IDC_OPT_RL_FROM_Q = 1010;
inline constexpr int IDC_F = 1011;
inline constexpr int IDC_OPT_C_FROM_F = 1012;
inline constexpr int IDC_HELP_PAGE = 1013;
inline constexpr int IDC_FULL_OPT = 1014;
inline constexpr int IDC_PLOT = 1015;
inline constexpr int IDC_NAME = 1016;
inline constexpr int IDC_SERIAL_Q = 1017;
inline constexpr int IDC_RESET = 1018;
inline constexpr int IDC_ABOUT = 1019;

// The system-menu item's text; the ampersand marks the mnemonic.
inline constexpr const char* kAboutMenuText = "&About Varnholt...";
