#include "documents/WorkedSolutionText.h"

#include "engine/solve/Solution.h"
#include "report/SolutionText.h"

QList<QStringList> WorkedSolutions(const std::vector<factorix::Exercise>& exercises) {
  QList<QStringList> worked;
  for (const factorix::Exercise& exercise : exercises) {
    QString text = SolutionText::write(factorix::Solve(exercise.polynomial));
    text.chop(1);  // the last line's end
    worked << text.split(u'\n');
  }
  return worked;
}
