#pragma once
// Pictures of the main window that are not toolbar buttons, by the number a
// front end draws them from (the buttons' own are in braille/input_modes.h).
namespace orvo::picture_id {

inline constexpr int kMenuChecked = 20;    // the wrap item's check mark, on
inline constexpr int kMenuUnchecked = 21;  // and off
inline constexpr int kAppIcon = 22;        // the program's icon

}  // namespace orvo::picture_id
