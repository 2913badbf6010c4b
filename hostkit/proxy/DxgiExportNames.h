// Every function that the system's dxgi.dll exports, on Windows 10 and 11 and under Wine: the
// proxy exports each under the same name and forwards it. Games call the factory functions;
// the system's d3d11.dll calls the DXGID3D10 ones.
#pragma once

#define KZ_DXGI_EXPORTS(X)              \
    X(ApplyCompatResolutionQuirking)    \
    X(CompatString)                     \
    X(CompatValue)                      \
    X(CreateDXGIFactory)                \
    X(CreateDXGIFactory1)               \
    X(CreateDXGIFactory2)               \
    X(DXGID3D10CreateDevice)            \
    X(DXGID3D10CreateLayeredDevice)     \
    X(DXGID3D10GetLayeredDeviceSize)    \
    X(DXGID3D10RegisterLayers)          \
    X(DXGIDeclareAdapterRemovalSupport) \
    X(DXGIDisableVBlankVirtualization)  \
    X(DXGIDumpJournal)                  \
    X(DXGIGetDebugInterface1)           \
    X(DXGIReportAdapterConfiguration)   \
    X(PIXBeginCapture)                  \
    X(PIXEndCapture)                    \
    X(PIXGetCaptureState)               \
    X(SetAppCompatStringPointer)        \
    X(UpdateHMDEmulationStatus)
