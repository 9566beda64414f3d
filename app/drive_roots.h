#pragma once
// The "drives" a scan for m-files visits. The setting "Scan Drives" keeps
// drive letters (default "abcdef"); on Linux each letter names directories:
// c the interpreter's own m-files, d the home directory, e and the letters
// after it the mounted user volumes one each, in the order the directory
// picker shows them. a, b and letters without a directory give nothing, as
// a drive without a medium does. Standard library only.

#include <string>
#include <vector>

namespace quorvin {

struct DriveContext {
  // The directory Start Matlab used last; empty for none, which means /usr.
  std::string interpreterDir;
  std::string home;
  std::vector<std::string> userVolumes;
};

// The roots the letter (either case) names; empty for none.
std::vector<std::string> RootsOfDrive(char letter, const DriveContext& context);

// The m-file trees of an interpreter installed at dir: its toolbox/ when
// dir/bin/matlab is there, else every share/octave/X/m, in name order
// (the version directories and site).
std::vector<std::string> InterpreterMFileRoots(const std::string& dir);

}  // namespace quorvin
