#include "forms/FormSet.h"

#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "forms/glavniop3.h"
#include "forms/htmedit1.h"
#include "forms/htmop3.h"
#include "forms/nov1.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
Thtm1* htm1 = nullptr;
Tgenop* genop = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
Tnew* new_ = nullptr;

quillon::Settings Settings;
QString HandOverText;
bool HandOverPending = false;
QString AsmSourceName;

void CreateForms() {
    Form1 = new TForm1;
    Form2 = new TForm2;
    htm1 = new Thtm1;
    genop = new Tgenop;
    Form3 = new TForm3;
    Form4 = new TForm4;
    new_ = new Tnew;
}

void DestroyForms() {
    delete new_;
    delete Form4;
    delete Form3;
    delete genop;
    delete htm1;
    delete Form2;
    delete Form1;
    new_ = nullptr;
    Form4 = nullptr;
    Form3 = nullptr;
    genop = nullptr;
    htm1 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    Settings = {};
    HandOverText.clear();
    HandOverPending = false;
    AsmSourceName.clear();
}
