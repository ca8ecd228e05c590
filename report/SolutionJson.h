#pragma once

#include <QByteArray>
#include <QString>

#include "engine/solve/Solution.h"

// The worked solution as one JSON object on one line (UTF-8, no line
// break), for programs:
//
//   {"polinomio": "2x³-16", "factor_comun": "2", "potencia_x": 0,
//    "pasos": [{"tipo": "ensayos", ...}, {"tipo": "ruffini", ...}, ...],
//    "raices": [{"valor": "2", "re": "2", "im": "0", "multiplicidad": 1, "exacta": true}, ...],
//    "factorizacion": "2(x-2)(x²+2x+4)"}
//
// Numbers are decimal strings, fractions "p/q", re and im to 10
// significant digits with a decimal point. Step types: "ensayos" (candidatos,
// restos, mas), "ruffini" (raiz, dividendo, productos, cociente, resto),
// "primer_grado", "segundo_grado" and "bicuadrada" (polinomio,
// discriminante), "aproximadas" (polinomio, raices_reales, no_reales). The
// split of what is left into factors has no step of its own here.
class SolutionJson {
public:
  static QByteArray write(const factorix::Solution& solution);

  // What stands in the solution's place when there is none, one line too:
  // {"error": 6, "mensaje": "..."}, with null for `error` 0 (a text that
  // was read but gives no solution). `message` is for people.
  static QByteArray writeFailure(int error, const QString& message);
};
