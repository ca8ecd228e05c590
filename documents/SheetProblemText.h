#pragma once

#include <QCoreApplication>
#include <QString>

#include "engine/exercises/ExerciseSheet.h"

// Why a sheet cannot be made, as the dialog and the command line say it.
class SheetProblemText {
  Q_DECLARE_TR_FUNCTIONS(SheetProblemText)

public:
  static QString text(factorix::SheetProblem problem, int count);
};
