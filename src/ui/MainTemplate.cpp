#include "DialogTemplate.h"
#include "ResourceIds.h"

namespace {

using enum ItemKind;

// The single letters next to "R", "C" and "F" sit 5 units right and down of
// them so that they read as subscripts.
constexpr DialogItem kMainItems[] = {
    {IDC_EXIT, "IDC_EXIT", kButton, "Exit", 130, 65, 35, 14},
    {IDC_STATIC, nullptr, kStatic, "L", 15, 20, 8, 8},
    {IDC_L, "IDC_L", kEdit, "", 35, 20, 50, 12},
    {IDC_RS, "IDC_RS", kEdit, "", 35, 35, 50, 12},
    {IDC_CTOTAL, "IDC_CTOTAL", kEdit, "", 35, 50, 50, 12},
    {IDC_STATIC, nullptr, kStatic, "R", 15, 36, 8, 8},
    {IDC_STATIC, nullptr, kStatic, "C", 15, 50, 8, 8},
    {IDC_RL, "IDC_RL", kEdit, "", 35, 65, 50, 12},
    {IDC_STATIC, nullptr, kStatic, "S", 20, 41, 8, 8},
    {IDC_STATIC, nullptr, kStatic, "R", 15, 65, 8, 8},
    {IDC_STATIC, nullptr, kStatic, "L", 20, 71, 8, 8},
    {IDC_STATIC, nullptr, kStatic, "total", 20, 55, 14, 8},
    {IDC_STATIC, nullptr, kStatic, "F    =", 95, 20, 20, 8},
    {IDC_STATIC, nullptr, kStatic, "Q    =", 95, 36, 18, 8},
    {IDC_CALCULATE, "IDC_CALCULATE", kButton, "Calculate", 170, 20, 70, 14},
    {IDC_OPT_C_FROM_Q, "IDC_OPT_C_FROM_Q", kButton, "Optimize C from Q", 170, 35, 70, 14},
    {IDC_Q, "IDC_Q", kEdit, "", 115, 35, 50, 12},
    {IDC_OPT_RL_FROM_Q, "IDC_OPT_RL_FROM_Q", kButton, "Optimize RL from Q", 170, 50, 70, 14},
    {IDC_STATIC, nullptr, kStatic, "o", 100, 25, 8, 8},
    {IDC_F, "IDC_F", kEdit, "", 115, 20, 50, 12},
    {IDC_OPT_C_FROM_F, "IDC_OPT_C_FROM_F", kButton, "Optimize C from F", 170, 65, 70, 14},
    {IDC_HELP_PAGE, "IDC_HELP_PAGE", kButton, "Help", 90, 65, 35, 14},
    {IDC_FULL_OPT, "IDC_FULL_OPT", kButton, "Full Optimization", 170, 81, 70, 14},
    {IDC_PLOT, "IDC_PLOT", kCustom, "", 5, 100, 235, 200},
    {IDC_STATIC, nullptr, kStatic, "Name", 15, 5, 20, 8},
    {IDC_NAME, "IDC_NAME", kCombo, "", 35, 5, 205, 269},
    {IDC_SERIAL_Q, "IDC_SERIAL_Q", kStatic, "Static", 15, 85, 150, 8},
    {IDC_RESET, "IDC_RESET", kButton, "Reset", 130, 50, 35, 14},
    {IDC_ABOUT, "IDC_ABOUT", kButton, "About", 90, 50, 35, 14},
};

}  // namespace

const DialogTemplate kMainTemplate{IDD_MAIN, "Varnholt", 247, 306, kMainItems};
