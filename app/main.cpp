// mms-setup: the desktop program that prepares the settings files a cellular trail
// camera reads from its memory card.
#include "Program.h"
#include "TMMSMainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();
    const FormSet forms;
    g_forms.MMSMainForm->show();
    return app.exec();
}
