// The floor: a bare Qt program with one empty window, up to its first paint.
#include "probe.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(442, 310);
    new FirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}
