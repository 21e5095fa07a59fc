#pragma once

// Hints and the worked solution, both drawn from the explain library: a hint
// is the next step of the method with the task's own numbers (the first
// Euclid row, the first rows of square-and-multiply), and the solution is
// the step window's sections for the task, so the exercise and the step
// window can never disagree. A hint that would need an answer the learner
// has not found yet (φ for d, d for r) asks for that one first, so it leads
// without telling.

#include "exercise/Exercise.h"
#include "explain/Explanation.h"

#include <string>
#include <vector>

namespace rsa::exercise {

// In the language of the translator, as the explanation (Turkish for nullptr;
// never by default, so no window can forget its language).
std::string hintFor(const Exercise& exercise, Answer answer, explain::Translator translator);
std::vector<explain::Section> solutionOf(const Task& task, explain::Translator translator);

} // namespace rsa::exercise
