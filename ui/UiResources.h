#pragma once

namespace sorvanta {

// Registers the windows' pictures. The resources live in a static library,
// whose registration the linker would otherwise drop.
void registerUiResources();

}  // namespace sorvanta
