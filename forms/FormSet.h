#pragma once

// Creates the program's windows once, in their fixed order: the main window first (it is shown
// at once and reads the settings), then the others, hidden.
void CreateForms();
// Destroys them again, the main window last.
void DestroyForms();
