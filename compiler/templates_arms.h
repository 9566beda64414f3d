#pragma once
// The groups of box templates that TemplateArms() joins into one table.

#include <span>

#include "compiler/arm.h"

namespace quorvin {

// Kinds whose statement is "box" q "=" name "(" arguments closing, described
// row by row in one table (functions, checks, strings, sound, ...).
std::span<const ArmEntry> StatementArms();
// Operators and matrix commands of irregular shape: arithmetic, formula and
// MATLAB command, logic, matrix manipulation, split, the ODE solvers.
std::span<const ArmEntry> OperatorArms();
// User input, pause, eigenvectors and the four output boxes.
std::span<const ArmEntry> PromptAndOutputArms();

}  // namespace quorvin
