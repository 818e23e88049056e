#pragma once
// write, read and test: the editor's "Grabar en el controlador",
// "Recuperar desde el controlador" and "Probar", through the same controller
// operations. Each returns the exit status: 0 only when the operation
// succeeded and no message was printed (progress and trace lines are none).
struct Invocation;

int RunWrite(const Invocation& invocation);
int RunRead(const Invocation& invocation);
int RunTest(const Invocation& invocation);
