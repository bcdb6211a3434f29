#include "platform/qt/menu_layout.h"

namespace orvo::qt {
namespace {

// clang-format off
constexpr MenuSlot kMainMenus[] = {
    {"mnuFILE",       "",            true},
    {"mnuEDIT",       "",            true},
    {"mnuOPTION",     "",            true},
    {"mnuSETTING",    "mnuOPTION",   false},
    {"mnuFONT_RESET", "mnuOPTION",   false},
    {"mnuFIND",       "mnuOPTION",   false},
    {"mnuNEXT_FIND",  "mnuOPTION",   false},
    {"mnuWORD_TURN",  "mnuOPTION",   false},
    {"mnuTXT_AREA",   "mnuOPTION",   true},
    {"mnuRE_AREA",    "mnuTXT_AREA", false},
    {"mnuV_AREA",     "mnuTXT_AREA", false},
    {"mnuH_AREA",     "mnuTXT_AREA", false},
    {"mnuDATE",       "mnuOPTION",   false},
    {"mnuHELP",       "",            true},
    {"mnuHELPER",     "mnuHELP",     false},
    {"mnuHELP_BMP",   "mnuHELP",     false},
    {"mnuHELP_ABOUT", "mnuHELP",     false},
    {"mnuT_HELPER",   "",            false},
    {"mnuT_HELP_BMP", "",            false},
    {"mnuEXIT",       "",            false},
};
// clang-format on

}  // namespace

std::span<const MenuSlot> MainMenuLayout() { return kMainMenus; }

}  // namespace orvo::qt
