// The program's own start-up, up to the first paint of the selection window.
#include "platform.h"
#include "probe.h"
#include "unit1.h"
#include "unit2.h"

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"orvanel"_s);
    platform::Install();
    platform::SetApplicationTitle(u"Orvanel 過去問題採点"_s);
    TForm1 form1;
    Unit1::Form1 = &form1;
    TForm2 form2;
    Unit2::Form2 = &form2;
    new FirstPaintProbe(&form1);
    form1.show();
    const int status = QApplication::exec();
    Unit1::Form1 = nullptr;
    Unit2::Form2 = nullptr;
    return status;
}
