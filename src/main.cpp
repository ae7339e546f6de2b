#include "unitMain/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    PrepareApplication();
    QApplication application(argc, argv);
    CreateForms();
    ShowMainForm();
    QApplication::exec();
    DestroyForms();
    return 0;
}
