#pragma once

namespace sorvanta {

// Sets up the process for the embedded browser. Call once, before the
// QApplication is created.
void prepareWebEngineRuntime();

}  // namespace sorvanta
