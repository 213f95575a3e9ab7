#pragma once
#include <cstdint>
#include <vector>

#include "builder/Equation.h"
#include "builder/EquationMath.h"
#include "builder/NameTable.h"

// The build's inner loop in a flat form: every equation becomes a step whose
// operands are positions in one array of values and whose kernel is chosen
// once for its form and operators, so a cell costs one indirect call per
// computed equation with no look-ups, range checks or operator switches.
// Constants are left out. Each kernel computes exactly the operations of
// EquationMath::EvaluateForm, in the same order, so the values are identical.
class BuildProgram {
 public:
  BuildProgram(const NameTable& names, const std::vector<Equation>& dataSet);

  void EnterCell(std::int32_t row, std::int32_t col) {
    values[NameTable::kRow] = row;
    values[NameTable::kCol] = col;
    flags.firstRow = row == 0;
    flags.firstColumn = col == 0;
  }

  // Evaluates the variable steps and then data-set equation `equation`;
  // returns that equation's value.
  double RunCell(std::int32_t equation) {
    for (std::size_t i = 0; i < variableSteps; ++i) Run(steps[i]);
    const Step& step = steps[variableSteps + equation];
    Run(step);
    return values[step.target];
  }

  // Copies every value back into the records it came from.
  void StoreValues(NameTable& names, std::vector<Equation>& dataSet) const;
  EquationMath::DrawFlags Flags() const { return flags; }

  struct Step;
  using Kernel = void (*)(const Step& step, double* values, EquationMath::DrawFlags flags);
  struct Step {
    Kernel kernel;
    std::int32_t kind, function, op1, op2, op3;
    std::uint32_t a, b, c, d, target;
  };

 private:
  void Run(const Step& step) { step.kernel(step, values.data(), flags); }

  std::uint32_t Slot(std::int32_t operand) const;
  Step Compile(const Equation& equation, std::uint32_t target) const;

  std::vector<double> values;  // the table, then the data-set equations, then a 0
  std::vector<Step> steps;     // the variables in table order, then the data set
  std::size_t variableSteps = 0;
  std::uint32_t zeroSlot = 0;
  EquationMath::DrawFlags flags;
};
