#pragma once
// The standard ids of the Edit commands, which menus, toolbars and accelerators send and
// which a view of text (an edit view) carries out.
#define ID_EDIT_CLEAR 0xE120     // 57632: delete the selection
#define ID_EDIT_CLEAR_ALL 0xE121 // 57633
#define ID_EDIT_COPY 0xE122      // 57634
#define ID_EDIT_CUT 0xE123       // 57635
#define ID_EDIT_PASTE 0xE125     // 57637
#define ID_EDIT_SELECT_ALL 0xE12A // 57642
#define ID_EDIT_UNDO 0xE12B      // 57643
