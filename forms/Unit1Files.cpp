#include "forms/Unit1.h"

// The file commands arrive with the file-reading layer.
void TForm1::New1Click() {}
void TForm1::Open1Click() {}
void TForm1::Save1Click() {}
void TForm1::SaveAs1Click() {}
