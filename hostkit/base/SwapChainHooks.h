// Hooks IDXGISwapChain::Present, ResizeBuffers and IDXGISwapChain1::Present1 for every swap
// chain of the process: before each Present the plug-ins' BeforeD3D11Present runs and the
// swap chain's output window is subclassed; before each ResizeBuffers the plug-ins hear of the
// new size.
#pragma once

namespace kzhost {

// Finds the tables through a device and swap chain made on a hidden window of the host's own
// and patches them. Must not run under the loader lock. Returns false (and logs why) when no
// Direct3D 11 swap chain could be made or patched.
bool installSwapChainHooks();

}  // namespace kzhost
