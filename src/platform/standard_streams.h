// The program's standard output and error.
#pragma once

namespace plotwarden {

// Makes messages end in a bare LF on every platform: on Windows, standard
// output and error are switched from text to binary mode, so that a line end
// is not widened to CR LF there. Called once, before anything is printed.
void useBinaryStandardStreams();

// Whether standard error is a terminal (a person watching, not a script).
bool standardErrorIsTerminal();

}  // namespace plotwarden
