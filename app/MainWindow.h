#pragma once
// The one main window of the program: parent and reference position of the
// message dialog and the busy notice. Null before it is built and after it
// is gone.
class MyFrame;

MyFrame* MainWindow();
void SetMainWindow(MyFrame* frame);
