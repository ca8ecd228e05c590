#pragma once

#include <chrono>

// How fast this build runs, for the tests that time the engine. Builds with
// sanitizers or without optimisation run many times slower, and every
// build may share a loaded machine: the tests allow for both, and the
// benchmark (factorix-bench) carries the real figures.
namespace factorix::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kInstrumented = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
inline constexpr bool kInstrumented = true;
#else
inline constexpr bool kInstrumented = false;
#endif
#else
inline constexpr bool kInstrumented = false;
#endif

#ifdef NDEBUG
inline constexpr bool kFullSpeed = !kInstrumented;
#else
inline constexpr bool kFullSpeed = false;
#endif

// A time a calculation of at most a second or so in an optimised build
// may take in a test: ten times that, and six times more again in a slow
// build.
inline constexpr std::chrono::seconds kGenerousBudget{kFullSpeed ? 10 : 60};

}  // namespace factorix::test
