// The floor: a bare Qt program with one empty window, up to its first paint. With --text, the
// window shows one line in the program's Japanese font, to tell the font's share of start-up
// from the program's own.
#include "platform.h"
#include "probe.h"

#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool withText = QCoreApplication::arguments().contains(u"--text"_s);
    if (withText)
        platform::Install();
    QWidget window;
    window.resize(442, 310);
    if (withText)
        (new QLabel(u"過去問題 平成22年度"_s, &window))->move(40, 40);
    new FirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}
