#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "forms/glavniop3.h"
#include "forms/htmedit1.h"

void TForm1::Options1Click() {
    genop->Show();
}

void TForm1::Options2Click() {
    Form4->Show();
}

void TForm1::Tagloom1Click() {
    htm1->Show();
}

void TForm1::About1Click() {
    Form2->ShowModal();
}
