#include "CReaderApp.h"
#include "DeviceScreen.h"
#include "Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PrepareApplication();
    CDeviceScreen screen;
    screen.show();
    CReaderApp theApp;
    theApp.InitInstance();
    return theApp.Run();
}
