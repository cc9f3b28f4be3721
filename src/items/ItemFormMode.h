#pragma once

// How the item form was opened.
enum class ItemFormMode {
    Add = 1,        // add new items (main window, "&Add Item")
    Edit = 2,       // edit the collection's items with the record navigator (main window, "&Edit Collection")
    EditOne = 3,    // edit the one item the browse window made current
    NotesSearch = 4 // as Edit, and search the items' notes (find dialog)
};
