#pragma once

#include "core/Settings.h"

#include <QString>

class TForm1;
class TForm2;
class Thtm1;
class Tgenop;
class TForm3;
class TForm4;
class Tnew;

// The program's windows, created once at start-up and alive until it ends.
extern TForm1* Form1;
extern TForm2* Form2;
extern Thtm1* htm1;
extern Tgenop* genop;
extern TForm3* Form3;
extern TForm4* Form4;
// The new-file chooser; its form is named "new", which C++ keeps for itself.
extern Tnew* new_;

// The in-memory copy of the stored settings.
extern quillon::Settings Settings;
// The text of an HTML file on its way from the main window's Open to the composer.
extern QString HandOverText;
// Set whenever an HTML file is handed over; the composer takes the text only then.
extern bool HandOverPending;
// The file name last given to the assembler.
extern QString AsmSourceName;
