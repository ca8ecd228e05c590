#pragma once

// factorix-bench --pasos: times the worked solution (Solve) of polynomials
// of degree up to 400 against its target of 1 s each, the error 6 that
// ends a polynomial past the bounds included. Returns the exit status: 1
// when a row misses its target.
int RunStepsBench();
