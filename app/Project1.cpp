#include "core/Messages.h"
#include "forms/FormSet.h"
#include "platform/Application.h"

#include <QApplication>

// Command-line arguments are ignored.
int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    quillon::Application application;
    application.setTitle(QString::fromUtf8(quillon::messages::applicationTitle));
    CreateForms();
    const int status = QApplication::exec();
    DestroyForms();
    return status;
}
