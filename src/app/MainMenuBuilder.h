#pragma once

class TMainMenuForm;

// Makes the main window's commands, its menu bar and its tool bar.
class MainMenuBuilder
{
public:
    static void build(TMainMenuForm &form);
};
