#include "DialogTemplate.h"
#include "ResourceIds.h"
#include "Version.h"

namespace {

using enum ItemKind;

constexpr DialogItem kAboutItems[] = {
    {IDC_STATIC, nullptr, kIcon, "", 11, 17, 20, 20},
    {IDC_STATIC, nullptr, kStatic, "Varnholt Version " VARNHOLT_VERSION, 40, 10, 119, 8},
    {IDC_STATIC, nullptr, kStatic, "Copyright \xA9 2026 the Varnholt authors", 40, 20, 119, 8},
    {IDOK, "IDOK", kDefButton, "OK", 165, 10, 50, 14},
    {IDC_STATIC, nullptr, kStatic,
     "Varnholt is provided as is, without warranty of any kind. Check its results before you "
     "rely on them; the authors are not liable for any damage arising from its use. You may "
     "use and pass on the program free of charge.",
     10, 70, 215, 35},
    {IDC_STATIC, nullptr, kStatic, "Terms of Use", 10, 55, 43, 8},
    {IDC_STATIC, nullptr, kStatic, "Design: the Varnholt team", 40, 30, 88, 8},
    {IDC_STATIC, nullptr, kStatic, "Web: varnholt.example.org", 40, 40, 90, 8},
    {IDC_STATIC, nullptr, kStatic, "", 10, 110, 215, 20},
};

}  // namespace

const DialogTemplate kAboutTemplate{IDD_ABOUTBOX, "About Varnholt", 227, 137, kAboutItems};
