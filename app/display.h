#pragma once

#include <QString>

// Whether the windows can be shown at all. Without a display QApplication would abort with a
// terse platform-plugin message and a core dump; this says instead what the user can do.
// Returns an empty string when a display is there, else the message to print.
QString DisplayProblem();
