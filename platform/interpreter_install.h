#pragma once
// Where a person's MATLAB or GNU Octave is installed, so that Start Matlab's
// directory picker can open there: Yes, then OK, then starts it.

#include <QString>
#include <QStringList>

namespace quorvin {

// The installation directories looked into when PATH names no interpreter.
// A place ending in "/*" stands for each directory in it, the highest name
// (the newest release, R2024a before R2023b) first.
inline const QStringList kUsualInterpreterPlaces = {
    "/usr/local/MATLAB/*", "/opt/MATLAB/*", "/usr/local", "/usr", "/opt/octave",
};

// The installation directory of the first interpreter found: MATLAB when
// installed, else Octave. For each of InterpreterCommands in turn,
// first the directories of searchPath (PATH's form, ":" between them), where
// bin/NAME is found through any links to it (/usr/local/bin/matlab leads to
// the release it links into), then the usual places. The directory returned
// is one FindInterpreter starts from; empty when there is none.
QString InstalledInterpreterDirectory(const QString& searchPath,
                                      const QStringList& places = kUsualInterpreterPlaces);

// The same, for the PATH this program was started with.
QString InstalledInterpreterDirectory();

}  // namespace quorvin
