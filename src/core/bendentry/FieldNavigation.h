#pragma once

#include <optional>

#include "core/bendentry/SettingFields.h"

namespace zelpor {

// What the arrows and Enter do between the fields of the main window: the
// left column (job, part, bend, thickness, length, material, punch, die) and
// the eleven settings beside it. The window only looks up the widget of the
// field it is told to go to.
struct NavContext {
    bool graphicPart = false;  // a drawn profile: no thickness to type, no tool lists below the material
    bool numericView = true;   // the settings are shown (not the bend's drawing)
    bool fieldEmpty = false;   // the field being left holds no text
};

struct NavMove {
    // The key belongs to the navigation; otherwise it goes on to the field
    // (Left and Right move the caret in the thickness and length).
    bool handled = false;
    std::optional<Field> to;  // where the keyboard goes; none: it stays
};

NavMove Navigate(Field from, NavKey key, const NavContext& context);

// The setting at the height of a left-column field: Right from the column
// goes there (the rows below the settings lead to "Delais").
Setting SettingBeside(Field columnField);

}  // namespace zelpor
