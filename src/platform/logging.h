#pragma once

#include <QtCore/QLoggingCategory>

// What the window stand-ins report for whoever runs the program from a
// terminal: a rich text that could not be loaded, a window asked for that is
// not part of the program. Never shown to the pupil.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
