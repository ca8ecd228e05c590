#pragma once

// What assistive technology sees of the program's own widgets: the main
// window, the formula pads, the clickable captions, the Ruffini tables, the
// graphs and the notice of how a calculation ended.
// The program, and every test that reads its windows as a screen reader
// does, installs them once, before it creates a window.
class AccessibleInterfaces {
public:
  // Installs the factories; later calls do nothing.
  static void install();
};
