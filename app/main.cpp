// Denkfalke 07: a training game of concentration, memory and mental arithmetic.
#include "application_class.h"

namespace {
// The one application object, made before main runs.
ApplicationClass application;
}  // namespace

int main(int argc, char** argv) {
  return application.Run(argc, argv);
}
