#pragma once
// Runs a program's body on the real terminal and turns every way it can end
// into an exit status: 0 for a quit, 1 with one clear line on standard error
// for anything that went wrong. The terminal is restored before the line is
// written, because the body's objects are unwound first.

int exitStatusOf(int (*body)());
