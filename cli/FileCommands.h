#pragma once
// check, normalize and merge: the editor's Open, Merge and Save without a
// window. Each returns the exit status: 0 only when nothing was printed.
struct Invocation;

int RunCheck(const Invocation& invocation);
int RunNormalize(const Invocation& invocation);
int RunMerge(const Invocation& invocation);
