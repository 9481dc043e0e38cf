#pragma once
// Drawing and plotting need a Qt application object; a batch program has none of its own.

namespace vantorel {

// Creates a widgets application on the offscreen platform when the process has no application
// object yet. It lives until the process ends.
void EnsureOffscreenApplication();

}  // namespace vantorel
