// The editor exactly as it starts (its own application object, so the
// start-up probe, the main window and the start-up file named on the command
// line), reporting once its main window is painted.
#include "app/MyApp.h"
#include "bench/FirstPaint.h"

using EditorProbe = FirstPaintReporter<MyApp>;
wxIMPLEMENT_APP(EditorProbe);
