#pragma once

// Sizes shared by the editor's tables, so that titles, rows and check columns
// line up.
namespace editor {

// Pitch of the zone and user rows, and the height of their controls.
inline constexpr int kRowHeight = 20;
// Width of one column of check marks or radio buttons, and of its title.
inline constexpr int kMarkWidth = 18;

} // namespace editor
