#pragma once

namespace ruzdo {

// Reads the command line before any window is made, so that --help and
// --version also work without a display. Qt's own options (-platform, -style,
// ...) are accepted and left for QApplication. Returns the exit status when
// the program should stop at once (0 after --help or --version, 2 on a bad
// argument), or -1 when it should start normally.
int handleCommandLine(int argc, char* argv[]);

}  // namespace ruzdo
