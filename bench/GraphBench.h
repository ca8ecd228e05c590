#pragma once

// factorix-bench --grafica: times the planning and the curve's points of
// the graph of degree-400 polynomials (roots, stationary points, first
// view, 1600 samples) against its target of 200 ms of processor time each.
// `only`, when given, picks the rows whose name holds it. Returns the exit
// status: 1 when a row misses its target.
int RunGraphBench(const char* only);
