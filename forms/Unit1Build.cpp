#include "forms/Unit1.h"

// The assembler commands arrive with the compiler options.
void TForm1::MakeOBJ1Click() {}
void TForm1::asmexeClick() {}
