#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "engine/solve/Solution.h"

// The worked solution as a person reads it, in plain text: "P(x) = …",
// then each section under its name ("Factor común", "Raíces enteras",
// "Raíces racionales", "Primer grado", "Segundo grado", "Bicuadrada",
// "Raíces aproximadas"), Ruffini's tables drawn as --ruffini draws them,
// and last the lines "Raíces: …" and "Factorización: …". Exponents are
// superscript digits, decimals take a comma. Every word goes through tr().
class SolutionText {
  Q_DECLARE_TR_FUNCTIONS(SolutionText)

public:
  // The whole text, every line ending with "\n".
  static QString write(const factorix::Solution& solution);

  // The name of the section a step belongs to.
  static QString sectionName(const factorix::SolutionStep& step);
  // The lines of a step; a Ruffini step gives its table's lines and then
  // the product it leaves, "x³-8 = (x-2)(x²+2x+4)".
  static QStringList stepLines(const factorix::SolutionStep& step);
  // "P(x) = 2x(x²-4)": the common factor taken out.
  static QString commonFactorLine(const factorix::Solution& solution);
  // "x³-8 = (x-2)(x²+2x+4)": the product a Ruffini step leaves.
  static QString productLine(const factorix::RuffiniStep& step);
  // "x = -1: resto -9".
  static QString trialLine(const mpq_class& candidate, const mpq_class& remainder);
  // The words of a root's multiplicity wherever a root is written: "doble",
  // "triple", "cuádruple", "multiplicidad 5"; empty for a simple root.
  static QString multiplicity(unsigned count);
  // " (doble)" and so on; empty for a simple root.
  static QString multiplicitySuffix(unsigned count);
  // "x = 2", "x = 0 (doble)", "x ≈ 1,324718".
  static QString rootLine(const factorix::Root& root);
  // "Raíces: x = 2, x = -1-√3i, x = -1+√3i".
  static QString rootsLine(const factorix::Solution& solution);
  // "Factorización: 2(x-2)(x²+2x+4)".
  static QString factorizationLine(const factorix::Solution& solution);
};
