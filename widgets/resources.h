#pragma once
// Registers the embedded images, which live in a static library that the linker would otherwise leave out.

void initResources();
