// The one Qt application object the drawing benchmarks need (offscreen unless
// a platform is asked for); every benchmark file calls this before drawing.
#pragma once

#include <QGuiApplication>

namespace cs::bench {

inline void EnsureGuiApp() {
  static int argc = 1;
  static char name[] = "chromasmith_bench";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
}

}  // namespace cs::bench
