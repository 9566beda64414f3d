// quorvin_icons holds the generated resource ":/icons/icons.png" (see
// CMakeLists.txt); Qt's build support links its initialiser into every program
// that links this library. This file only gives the library a source of its own.
namespace quorvin::iconsheet {
int IconsResourceLibrary() { return 0; }
}  // namespace quorvin::iconsheet
