#include "app/MainWindow.h"

namespace {
MyFrame* mainWindow = nullptr;
}

MyFrame* MainWindow() { return mainWindow; }

void SetMainWindow(MyFrame* frame) { mainWindow = frame; }
