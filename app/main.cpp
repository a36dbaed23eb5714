#include "display.h"
#include "platform.h"
#include "unit1.h"
#include "unit2.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (const QString problem = DisplayProblem(); !problem.isEmpty()) {
        std::fputs(problem.toLocal8Bit().constData(), stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"orvanel"_s);
    QApplication::setDesktopFileName(u"orvanel"_s);
    platform::Install();
    platform::SetApplicationTitle(u"Orvanel 過去問題採点"_s);

    TForm1 form1; // the main window: closing it ends the program
    Unit1::Form1 = &form1;
    TForm2 form2; // hidden until a year is chosen
    form2.setAttribute(Qt::WA_QuitOnClose, false);
    Unit2::Form2 = &form2;

    form1.show();
    const int status = QApplication::exec();
    Unit2::Form2 = nullptr;
    Unit1::Form1 = nullptr;
    return status;
}
