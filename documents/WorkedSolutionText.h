#pragma once

#include <QStringList>

#include <vector>

#include "engine/exercises/ExerciseSheet.h"

// The worked solution of each exercise as the lines `factorix --pasos`
// prints, for a sheet with its solutions worked.
QList<QStringList> WorkedSolutions(const std::vector<factorix::Exercise>& exercises);
