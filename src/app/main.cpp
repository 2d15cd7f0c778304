#include "ui/main_window.h"
#include "ui/qt/qt_toolkit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    zanfira::ui::qt::QtToolkit toolkit;
    zanfira::ui::Form1 form1(toolkit);
    form1.show();
    return QApplication::exec();
}
